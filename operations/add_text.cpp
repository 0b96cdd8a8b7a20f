#include "operations/add_text.h"

#include <string>
#include <vector>

#include "engine/batch_rename.h"
#include "engine/characters.h"
#include "engine/list_contents.h"
#include "interface/texts.h"
#include "operations/input_dialog.h"

namespace veltrano {
namespace {

// New stems are held whole, however long: the name check refuses any that is too long.
StemLists build_add_at_start_preview(const Dialog& dialog, const std::string& added) {
  const OperationControls& c = kAddAtStart;
  return preview_stems_of_lists(dialog, c.before_list, c.extension_list,
                                [&added](const std::string& stem) { return added + stem; });
}

StemLists build_add_at_end_preview(const Dialog& dialog, const std::string& added) {
  const OperationControls& c = kAddAtEnd;
  return preview_stems_of_lists(dialog, c.before_list, c.extension_list,
                                [&added](const std::string& stem) { return stem + added; });
}

struct AddTextDialog {
  const OperationControls& controls;
  StemLists (*build_preview)(const Dialog& dialog, const std::string& added);
};

constexpr AddTextDialog kStartDialog{kAddAtStart, build_add_at_start_preview};
constexpr AddTextDialog kEndDialog{kAddAtEnd, build_add_at_end_preview};

// The text as the preview uses it: at most the field's first 259 characters.
std::string read_added_text(const Dialog& dialog, const AddTextDialog& add) {
  return dialog.text(add.controls.input, kPathLimit);
}

void on_text_changed(Dialog& dialog, const Folder& folder, const AddTextDialog& add) {
  // The whole text that the preview will use (its first 259 characters, all that a name can
  // take) is tested, so that no forbidden character can reach a new name.
  const std::string added = read_added_text(dialog, add);
  if (added.empty()) {
    dialog.set_text(add.controls.message_line, "");
    clear_preview(dialog, add.controls);
    return;
  }
  if (has_no_forbidden_chars(added) == 0) {
    refuse_input(dialog, add.controls, texts::kForbiddenChars);
    return;
  }
  const StemLists preview = add.build_preview(dialog, added);
  // Refused names are not shown: the after list is left empty, and the message line keeps what
  // it showed.
  const bool passes = check_preview(dialog, folder, add.controls, preview) == NameProblem::kNone;
  fill_list(dialog, add.controls.after_list, passes ? preview.after : std::vector<std::string>{});
}

void run_add_text_dialog(Dialog& dialog, Folder& folder, const DialogMessage& message,
                         const AddTextDialog& add) {
  if (message.kind == DialogMessage::Kind::kInitialise) {
    open_input_dialog(dialog, folder, add.controls);
    return;
  }
  if (handle_closing_command(dialog, folder, add.controls, message.control)) {
    return;
  }
  if (message.control == add.controls.input && message.notification == kEditChange) {
    on_text_changed(dialog, folder, add);
  }
}

}  // namespace

void add_at_start_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_add_text_dialog(dialog, folder, message, kStartDialog);
}

void add_at_end_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_add_text_dialog(dialog, folder, message, kEndDialog);
}

}  // namespace veltrano
