#include "operations/operation_frame.h"

#include <utility>

#include "engine/batch_rename.h"
#include "engine/listing.h"

namespace veltrano {

bool handle_closing_command(Dialog& dialog, Folder& folder, const OperationControls& controls,
                            ControlId control) {
  if (control == controls.rename_button) {
    {
      const WaitCursor wait(dialog);         // a long batch must not look like a hang
      const ProgressShown progress(dialog);  // the caption back before the dialog ends
      rename_all(dialog, folder, controls.before_list, controls.extension_list,
                 controls.after_list);
    }
    dialog.end(0);
    return true;
  }
  if (control == kCommandCancel || control == controls.cancel_button) {
    dialog.end(0);
    return true;
  }
  return false;
}

void run_fixed_operation(Dialog& dialog, Folder& folder, const DialogMessage& message,
                         const OperationControls& controls, StemTransform transform) {
  if (message.kind == DialogMessage::Kind::kInitialise) {
    dialog.show_program_icon();
    // The preview is built from the stems just listed rather than read back from the list.
    ListedFiles files = gather_listable_files(folder);
    show_listed_files(dialog, files, controls.before_list, controls.extension_list);
    const StemLists preview = preview_stems(std::move(files.stems), std::move(files.extensions),
                                            [transform](std::string stem) {
                                              transform(stem);
                                              return stem;
                                            });
    fill_list(dialog, controls.after_list, preview.after);
    dialog.enable(controls.rename_button, true);
    return;
  }
  handle_closing_command(dialog, folder, controls, message.control);
}

}  // namespace veltrano
