#include "app/main_dialog.h"

#include "engine/list_contents.h"
#include "engine/listing.h"
#include "interface/controls.h"
#include "interface/texts.h"

namespace veltrano {
namespace {

void initialise(Dialog& dialog, const Folder& folder) {
  dialog.show_program_icon();
  for (const OperationControls& operation : kOperationDialogs) {
    dialog.enable(operation.main_button, true);
  }
  dialog.enable(kMain.swap_button, false);
  dialog.enable(kMain.new_functions_button, false);
  if (fill_main_list(dialog, folder) < 2) {
    dialog.message_box(texts::kTooFewFiles, texts::kAttentionCaption);
    dialog.post_quit(0);
  }
}

void command(Dialog& dialog, ControlId control) {
  if (control == kCommandCancel || control == kMain.quit_button) {
    dialog.post_quit(0);
  } else if ((control >= IDC_MAIN_FIND_REPLACE && control <= IDC_MAIN_LOWER_CASE) ||
             control == kMain.swap_button) {
    dialog.end(control);
  }
}

}  // namespace

int fill_main_list(Dialog& dialog, const Folder& folder) {
  const ListedFiles files = gather_listable_files(folder);
  fill_list(dialog, kMain.list, files.stems);
  return static_cast<int>(files.stems.size());
}

void main_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  if (message.kind == DialogMessage::Kind::kInitialise) {
    initialise(dialog, folder);
  } else {
    command(dialog, message.control);
  }
}

}  // namespace veltrano
