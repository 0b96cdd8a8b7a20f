#include "app/main_dialog.h"

#include <array>

#include "engine/list_contents.h"
#include "engine/listing.h"
#include "engine/texts.h"
#include "resources/resource_ids.h"

namespace veltrano {
namespace {

constexpr std::array<ControlId, 11> kOperationButtons = {
    IDC_MAIN_FIND_REPLACE,        IDC_MAIN_ADD_AT_START, IDC_MAIN_ADD_AT_END,
    IDC_MAIN_DELETE_FIRST,        IDC_MAIN_RENUMBER,     IDC_MAIN_UNDERSCORE_TO_SPACE,
    IDC_MAIN_SPACE_TO_UNDERSCORE, IDC_MAIN_NORMAL_TEXT,  IDC_MAIN_TITLE_CASE,
    IDC_MAIN_UPPER_CASE,          IDC_MAIN_LOWER_CASE};

void initialise(Dialog& dialog, const Folder& folder) {
  for (const ControlId button : kOperationButtons) {
    dialog.enable(button, true);
  }
  dialog.enable(IDC_MAIN_SWAP_TITLE_ARTIST, false);
  dialog.enable(IDC_MAIN_NEW_FUNCTIONS, false);
  if (fill_main_list(dialog, folder) < 2) {
    dialog.message_box(texts::kTooFewFiles, texts::kAttentionCaption);
    dialog.post_quit(0);
  }
}

void command(Dialog& dialog, ControlId control) {
  if (control == kCommandCancel || control == IDC_MAIN_QUIT) {
    dialog.post_quit(0);
  } else if ((control >= IDC_MAIN_FIND_REPLACE && control <= IDC_MAIN_LOWER_CASE) ||
             control == IDC_MAIN_SWAP_TITLE_ARTIST) {
    dialog.end(control);
  }
}

}  // namespace

int fill_main_list(Dialog& dialog, const Folder& folder) {
  const ListedFiles files = gather_listable_files(folder);
  fill_list(dialog, IDC_MAIN_LIST, files.stems);
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
