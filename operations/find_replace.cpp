#include "operations/find_replace.h"

#include "engine/batch_rename.h"
#include "engine/characters.h"
#include "engine/list_contents.h"
#include "interface/texts.h"
#include "operations/input_dialog.h"

namespace veltrano {
namespace {

constexpr const OperationControls& kControls = kFindReplace;
constexpr ControlId kFindField = kControls.input;
constexpr ControlId kReplacementField = kControls.second_input;

struct Fields {
  std::string find;
  std::string replacement;
};

Fields read_fields(const Dialog& dialog) {
  return {dialog.text(kFindField, kPathLimit), dialog.text(kReplacementField, kPathLimit)};
}

// Both fields are tested at every change, so that a forbidden character left in the other field
// can never reach a new name.
bool fields_allowed(const Fields& fields) {
  return has_no_forbidden_chars(fields.find) == 1 &&
         has_no_forbidden_chars(fields.replacement) == 1;
}

StemLists build_find_replace_preview(const Dialog& dialog, const Fields& fields) {
  // New stems are held whole, however long: the name check refuses any that is too long.
  return preview_stems_of_lists(dialog, kControls.before_list, kControls.extension_list,
                                [&fields](const std::string& stem) {
                                  return replace_all(stem, fields.find, fields.replacement);
                                });
}

// Both fields go the same way but for the message line: a change of "Trova" reports an empty
// find text and empties the line before the name check, while a change of "Sostituisci con"
// leaves the line as it was unless the check passes.
void on_field_changed(Dialog& dialog, const Folder& folder, bool find_changed) {
  const Fields fields = read_fields(dialog);
  if (fields.find.empty()) {
    if (find_changed) {
      dialog.set_text(kControls.message_line, texts::kFindEmpty);
    }
    clear_preview(dialog, kControls);
    return;
  }
  if (!fields_allowed(fields)) {
    refuse_input(dialog, kControls, texts::kForbiddenChars);
    return;
  }
  const StemLists preview = build_find_replace_preview(dialog, fields);
  if (find_changed) {
    dialog.set_text(kControls.message_line, "");
  }
  check_preview(dialog, folder, kControls, preview);
  fill_list(dialog, kControls.after_list, preview.after);  // a refused preview stays shown
}

}  // namespace

std::string replace_all(std::string_view text, std::string_view find,
                        std::string_view replacement) {
  if (find.empty()) {
    return std::string(text);
  }
  std::string result;
  result.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t found = text.find(find); found != std::string_view::npos;
       found = text.find(find, start)) {
    result.append(text.substr(start, found - start));
    result.append(replacement);
    start = found + find.size();
  }
  result.append(text.substr(start));
  return result;
}

void find_replace_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  if (message.kind == DialogMessage::Kind::kInitialise) {
    open_input_dialog(dialog, folder, kControls);
    dialog.set_text(kControls.message_line, texts::kFindEmpty);
    return;
  }
  if (handle_closing_command(dialog, folder, kControls, message.control) ||
      message.notification != kEditChange) {
    return;
  }
  if (message.control == kFindField || message.control == kReplacementField) {
    on_field_changed(dialog, folder, message.control == kFindField);
  }
}

}  // namespace veltrano
