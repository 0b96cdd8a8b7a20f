// Delete the first characters: the same number of characters is removed from the start of every
// stem, and every stem must keep at least one.
#pragma once

#include "interface/dialog_proc.h"

namespace veltrano {

// Reads the count field and rebuilds the after list: entry i is stem i without its first N
// characters. Returns 1 when every stem is longer than the count; otherwise shows "Troppi
// caratteri da eliminare", empties the after list, disables "Rinomina" and returns 0.
int build_delete_first_chars_preview(Dialog& dialog);

void delete_first_chars_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);

}  // namespace veltrano
