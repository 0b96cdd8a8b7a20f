#include "operations/input_dialog.h"

#include "engine/batch_rename.h"
#include "engine/listing.h"

namespace veltrano {

void open_input_dialog(Dialog& dialog, const Folder& folder, const OperationControls& controls) {
  dialog.show_program_icon();
  list_folder(dialog, folder, controls.before_list, controls.extension_list, controls.check_list);
  dialog.focus(controls.input);
  dialog.enable(controls.rename_button, false);
}

void refuse_input(Dialog& dialog, const OperationControls& controls, std::string_view message) {
  dialog.set_text(controls.message_line, message);
  dialog.enable(controls.rename_button, false);
}

void clear_preview(Dialog& dialog, const OperationControls& controls) {
  dialog.list_reset(controls.after_list);
  dialog.enable(controls.rename_button, false);
}

NameProblem check_preview(Dialog& dialog, const Folder& folder, const OperationControls& controls,
                          const StemLists& preview) {
  const NameProblem problem = check_new_names(dialog, folder, controls.check_list, preview.before,
                                              preview.extensions, preview.after);
  if (problem == NameProblem::kNone) {
    dialog.set_text(controls.message_line, "");
  }
  dialog.enable(controls.rename_button, problem == NameProblem::kNone);
  return problem;
}

}  // namespace veltrano
