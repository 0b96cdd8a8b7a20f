// Find and replace: every occurrence of a typed text in every stem is replaced by another typed
// text; an empty replacement deletes what is found.
#pragma once

#include <string>
#include <string_view>

#include "interface/dialog_proc.h"

namespace veltrano {

// `text` with every occurrence of `find` replaced by `replacement`: occurrences are taken from
// left to right without overlapping, and text that a replacement inserted is never searched
// again. Bytes are compared exactly (case-sensitive). An empty `find` matches nothing.
std::string replace_all(std::string_view text, std::string_view find, std::string_view replacement);

void find_replace_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);

}  // namespace veltrano
