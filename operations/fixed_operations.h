// The dialog procedures of the six operations that need no input.
#pragma once

#include "interface/dialog_proc.h"

namespace veltrano {

void underscore_to_space_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);
void space_to_underscore_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);
void normal_text_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);
void title_case_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);
void upper_case_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);
void lower_case_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);

}  // namespace veltrano
