// Delete the first characters: the same number of characters is removed from the start of every
// stem, and every stem must keep at least one.
#pragma once

#include <optional>
#include <string_view>

#include "engine/dialog_proc.h"

namespace veltrano {

// The count that a text gives, read as the C runtime's atoi reads it: leading white space, an
// optional sign, then decimal digits up to the first other character; 0 when no digit is read.
// nullopt when the text names no number of characters that can be deleted: a negative count, or
// one too large for a signed 32-bit integer.
std::optional<int> parse_delete_count(std::string_view text);

// Reads the count field and rebuilds the after list: entry i is stem i without its first N
// characters. Returns 1 when every stem is longer than the count; otherwise shows "Troppi
// caratteri da eliminare", empties the after list, disables "Rinomina" and returns 0.
int build_delete_first_chars_preview(Dialog& dialog);

void delete_first_chars_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);

}  // namespace veltrano
