#include "operations/delete_first_chars.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/batch_rename.h"
#include "engine/decimal_text.h"
#include "engine/list_contents.h"
#include "interface/texts.h"
#include "operations/input_dialog.h"

namespace veltrano {
namespace {

constexpr const OperationControls& kControls = kDeleteFirstChars;
constexpr ControlId kCountField = kControls.input;

// The field takes at most 63 characters, which the emptiness test reads whole.
constexpr int kCountFieldLimit = 63;
constexpr std::size_t kFieldBytes = kCountFieldLimit + 1;
// Only the field's first 14 characters form the count.
constexpr std::size_t kCountBytes = 15;

// The preview for the typed count, or nullopt, with the after list emptied and the message shown,
// for a count that some stem is not longer than.
std::optional<StemLists> build_delete_first_chars_preview(Dialog& dialog) {
  // A count too large for an int saturates and is refused as too many; a negative one (only
  // pasted text gets there) is refused too, so no preview reads before the start of a stem.
  const int count = decimal_value(dialog.text(kCountField, kCountBytes));
  std::vector<std::string> stems = list_entries(dialog, kControls.before_list);
  const bool every_stem_longer =
      count >= 0 && std::all_of(stems.begin(), stems.end(), [count](const std::string& stem) {
        return stem.size() > static_cast<std::size_t>(count);
      });
  if (!every_stem_longer) {
    clear_preview(dialog, kControls);
    dialog.set_text(kControls.message_line, texts::kTooManyToDelete);
    return std::nullopt;
  }
  StemLists preview = preview_stems(
      std::move(stems), list_entries(dialog, kControls.extension_list),
      [count](const std::string& stem) { return stem.substr(static_cast<std::size_t>(count)); });
  dialog.set_text(kControls.message_line, "");
  return preview;
}

void on_count_changed(Dialog& dialog, const Folder& folder) {
  if (dialog.text(kCountField, kFieldBytes).empty()) {
    clear_preview(dialog, kControls);  // the message line keeps what it showed
    return;
  }
  const std::optional<StemLists> preview = build_delete_first_chars_preview(dialog);
  if (!preview) {
    return;
  }
  // A refused preview stays shown, with the clash text for every cause: a path that is too long
  // has shown its message box as well.
  if (check_preview(dialog, folder, kControls, *preview) != NameProblem::kNone) {
    dialog.set_text(kControls.message_line, texts::kDeleteClash);
  }
  fill_list(dialog, kControls.after_list, preview->after);
}

}  // namespace

void delete_first_chars_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  if (message.kind == DialogMessage::Kind::kInitialise) {
    open_input_dialog(dialog, folder, kControls);
    dialog.limit_text(kCountField, kCountFieldLimit);
    return;
  }
  if (handle_closing_command(dialog, folder, kControls, message.control)) {
    return;
  }
  if (message.control == kCountField && message.notification == kEditChange) {
    on_count_changed(dialog, folder);
  }
}

}  // namespace veltrano
