#include "operations/input_dialog.h"

#include "engine/batch_rename.h"
#include "engine/listing.h"

namespace veltrano {

void open_input_dialog(Dialog& dialog, const Folder& folder, const InputDialogControls& controls) {
  list_folder(dialog, folder, controls.frame.before_list(), controls.frame.extension_list(),
              controls.check_list);
  dialog.focus(controls.frame.input());
  dialog.enable(controls.frame.rename_button(), false);
}

void refuse_input(Dialog& dialog, const InputDialogControls& controls, std::string_view message) {
  dialog.set_text(controls.message_line, message);
  dialog.enable(controls.frame.rename_button(), false);
}

void clear_preview(Dialog& dialog, const InputDialogControls& controls) {
  dialog.list_reset(controls.frame.after_list());
  dialog.enable(controls.frame.rename_button(), false);
}

NameProblem check_preview(Dialog& dialog, const Folder& folder, const InputDialogControls& controls,
                          const StemLists& preview) {
  const NameProblem problem = check_new_names(dialog, folder, controls.check_list, preview.before,
                                              preview.extensions, preview.after);
  if (problem == NameProblem::kNone) {
    dialog.set_text(controls.message_line, "");
  }
  dialog.enable(controls.frame.rename_button(), problem == NameProblem::kNone);
  return problem;
}

bool handle_closing_command(Dialog& dialog, Folder& folder, const InputDialogControls& controls,
                            ControlId control) {
  const OperationControls& frame = controls.frame;
  return handle_closing_command(dialog, folder, control, frame.before_list(),
                                frame.extension_list(), frame.after_list(), frame.rename_button(),
                                frame.cancel_button());
}

}  // namespace veltrano
