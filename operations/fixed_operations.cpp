#include "operations/fixed_operations.h"

#include "operations/case_transforms.h"
#include "operations/operation_frame.h"

namespace veltrano {

void underscore_to_space_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, kUnderscoreToSpace, &underscores_to_spaces);
}

void space_to_underscore_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, kSpaceToUnderscore, &spaces_to_underscores);
}

void normal_text_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, kNormalText, &to_normal_text);
}

void title_case_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, kTitleCase, &to_title_case);
}

void upper_case_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, kUpperCase, &to_upper_case);
}

void lower_case_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, kLowerCase, &to_lower_case);
}

}  // namespace veltrano
