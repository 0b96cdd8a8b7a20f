// Delete the first characters: the same number of characters is removed from the start of every
// stem, and every stem must keep at least one.
#pragma once

#include "interface/dialog_proc.h"

namespace veltrano {

void delete_first_chars_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);

}  // namespace veltrano
