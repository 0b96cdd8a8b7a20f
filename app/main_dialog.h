// The home screen: the folder's stems and one button per operation.
#pragma once

#include "interface/dialog_proc.h"

namespace veltrano {

// Empties the main list and fills it with the stem of every listable file; returns the count.
int fill_main_list(Dialog& dialog, const Folder& folder);

void main_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);

}  // namespace veltrano
