#include "operations/fixed_operations.h"

#include "operations/case_transforms.h"
#include "operations/operation_frame.h"

namespace veltrano {

void underscore_to_space_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, {BASE_UNDERSCORE_TO_SPACE}, &underscores_to_spaces);
}

void space_to_underscore_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, {BASE_SPACE_TO_UNDERSCORE}, &spaces_to_underscores);
}

void normal_text_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, {BASE_NORMAL_TEXT}, &to_normal_text);
}

void title_case_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, {BASE_TITLE_CASE}, &to_title_case);
}

void upper_case_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, {BASE_UPPER_CASE}, &to_upper_case);
}

void lower_case_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_fixed_operation(dialog, folder, message, {BASE_LOWER_CASE}, &to_lower_case);
}

}  // namespace veltrano
