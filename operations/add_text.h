// Add text at the start or at the end: a typed text is put in front of every stem, or behind it.
// The two dialogs are twins that differ only in their controls and the side of the stem.
#pragma once

#include "interface/dialog_proc.h"

namespace veltrano {

void add_at_start_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);
void add_at_end_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);

}  // namespace veltrano
