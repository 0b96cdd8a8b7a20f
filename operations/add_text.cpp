#include "operations/add_text.h"

#include <string>

#include "engine/batch_rename.h"
#include "engine/characters.h"
#include "interface/texts.h"
#include "operations/input_dialog.h"

namespace veltrano {
namespace {

enum class Side { kStart, kEnd };

struct AddTextDialog {
  const OperationControls& controls;
  Side side;
};

constexpr AddTextDialog kStartDialog{kAddAtStart, Side::kStart};
constexpr AddTextDialog kEndDialog{kAddAtEnd, Side::kEnd};

// The text as the preview uses it: at most the field's first 259 characters.
std::string read_added_text(const Dialog& dialog, const AddTextDialog& add) {
  return dialog.text(add.controls.input, kPathLimit);
}

StemLists rebuild_add_text_preview(Dialog& dialog, const AddTextDialog& add,
                                   const std::string& added) {
  const OperationControls& frame = add.controls;
  // New stems are held whole, however long: the name check refuses any that is too long.
  return rebuild_after_list(dialog, frame.before_list, frame.extension_list, frame.after_list,
                            [&added, side = add.side](const std::string& stem) {
                              return side == Side::kStart ? added + stem : stem + added;
                            });
}

void build_add_text_preview(Dialog& dialog, const AddTextDialog& add) {
  rebuild_add_text_preview(dialog, add, read_added_text(dialog, add));
}

void on_text_changed(Dialog& dialog, const Folder& folder, const AddTextDialog& add) {
  // The whole text that the preview will use is tested, so that no forbidden character can
  // reach a new name.
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
  const StemLists preview = rebuild_add_text_preview(dialog, add, added);
  if (check_preview(dialog, folder, add.controls, preview) != NameProblem::kNone) {
    // The refused names are not shown; the message line keeps what it showed.
    dialog.list_reset(add.controls.after_list);
  }
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

void build_add_at_start_preview(Dialog& dialog) {
  build_add_text_preview(dialog, kStartDialog);
}

void build_add_at_end_preview(Dialog& dialog) {
  build_add_text_preview(dialog, kEndDialog);
}

void add_at_start_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_add_text_dialog(dialog, folder, message, kStartDialog);
}

void add_at_end_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  run_add_text_dialog(dialog, folder, message, kEndDialog);
}

}  // namespace veltrano
