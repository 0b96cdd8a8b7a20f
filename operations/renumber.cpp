#include "operations/renumber.h"

#include <optional>
#include <utility>
#include <vector>

#include "engine/batch_rename.h"
#include "engine/decimal_text.h"
#include "engine/list_contents.h"
#include "interface/texts.h"
#include "operations/digit_runs.h"
#include "operations/operation_frame.h"

namespace veltrano {
namespace {

constexpr const OperationControls& kControls = kRenumber.frame;

// The typed texts are read as from a buffer of the platform's path length.
constexpr std::size_t kFieldBytes = kPathLimit;
constexpr int kStartNumberCharacters = 4;
constexpr int kDigitCountCharacters = 1;
constexpr char kInitialDigitCount[] = "3";

std::string field_text(const Dialog& dialog, ControlId field) {
  return dialog.text(field, kFieldBytes);
}

// Every state opens with "Rinomina" off and "Annulla" on; the two fields only when numbers can be
// typed.
void enable_controls(Dialog& dialog, bool fields) {
  dialog.enable(kControls.input, fields);
  dialog.enable(kControls.second_input, fields);
  dialog.enable(kControls.rename_button, false);
  dialog.enable(kControls.cancel_button, true);
}

// Both warning states leave the user nothing to do but close the dialog.
void show_warning(Dialog& dialog, const char* marker, const std::vector<std::string>& lines,
                  bool in_after_list) {
  dialog.set_text(kRenumber.marker, marker);
  append_to_list(dialog, kControls.before_list, lines);
  if (in_after_list) {
    append_to_list(dialog, kControls.after_list, lines);
  }
  enable_controls(dialog, false);
}

void wait_for_start_number(Dialog& dialog, const NumberedFiles& files) {
  append_to_list(dialog, kControls.before_list, files.stems);
  dialog.limit_text(kControls.input, kStartNumberCharacters);
  dialog.limit_text(kControls.second_input, kDigitCountCharacters);
  // Raises a change notification, which stops at once: "Inizia da" is still empty.
  dialog.set_text(kControls.second_input, kInitialDigitCount);
  enable_controls(dialog, true);
}

void initialise(Dialog& dialog, const Folder& folder) {
  dialog.show_program_icon();
  // The analysis and the before list work from the files just listed, not read back.
  const NumberedFiles files = gather_numbered_files(folder);
  list_numbered_files(dialog, files);
  switch (analyse_digit_positions(files)) {
    case NO_DIGITS:
      show_warning(dialog, texts::kMarkerNoDigits, {texts::kWarningTitle, texts::kNoDigits}, false);
      break;
    case POSITION_DIFFERS:
      show_warning(dialog, texts::kMarkerPositionDiffers,
                   {texts::kWarningTitle, texts::kPositionDiffers1, texts::kPositionDiffers2},
                   true);
      break;
    case SAME_POSITION:
      wait_for_start_number(dialog, files);
      break;
  }
}

// The new stems for the before list, the start number and the digit count, with the message line
// set; nullopt when the digit count is refused. The stems are empty when there is nothing to
// compute. No list is touched, so that the after list is then filled once.
std::optional<StemLists> compute_renumbered_names(Dialog& dialog) {
  std::vector<std::string> stems = list_entries(dialog, kControls.before_list);
  if (stems.empty()) {
    return StemLists{};
  }
  const int start = decimal_value(field_text(dialog, kControls.input));
  const int digit_count = decimal_value(field_text(dialog, kControls.second_input));
  if (start < 0) {
    return StemLists{std::move(stems), {}, {}};  // only pasted text gets here; no new stems
  }
  if (digit_count > kMaxDigitCount) {
    dialog.set_text(kControls.message_line, texts::kDigitCountTooHigh);
    return std::nullopt;
  }
  // The test is on start + n, n counting every listed file, one past the last number that could
  // be given out, so never 0 (start >= 0, n >= 1); summed in long long for a pasted start near
  // INT_MAX. Beyond seven digits there is no width, and no accepted digit count fits.
  const int width =
      decimal_width(static_cast<long long>(start) + static_cast<long long>(stems.size()));
  if (width < 0 || digit_count < width) {
    dialog.set_text(kControls.message_line, texts::kDigitCountTooLow);
    return std::nullopt;
  }
  // Only the files that are renamed take a number, one after another in list order: a file that
  // keeps its name leaves no gap.
  long long number = start;
  StemLists preview = preview_stems(
      std::move(stems), list_entries(dialog, kControls.extension_list),
      [&](const std::string& stem) { return make_renumbered_stem(stem, number++, digit_count); });
  dialog.set_text(kControls.message_line, "");
  return preview;
}

// A change that leaves either field empty keeps the last preview and the state of "Rinomina".
void recompute(Dialog& dialog, const Folder& folder) {
  if (field_text(dialog, kControls.input).empty() ||
      field_text(dialog, kControls.second_input).empty()) {
    return;
  }
  // A refused digit count leaves the after list empty and its message in the message line.
  const std::optional<StemLists> preview = compute_renumbered_names(dialog);
  if (!preview) {
    dialog.enable(kControls.rename_button, false);
    fill_list(dialog, kControls.after_list, {});
    return;
  }
  // Every refusal shows the clash text: a path that is too long after its message box, and an
  // after list left empty by a negative start number as well.
  const NameProblem problem = check_new_names(dialog, folder, kControls.check_list, preview->before,
                                              preview->extensions, preview->after);
  dialog.set_text(kControls.message_line,
                  problem == NameProblem::kNone ? "" : texts::kRenumberClash);
  dialog.enable(kControls.rename_button, problem == NameProblem::kNone);
  fill_list(dialog, kControls.after_list, preview->after);
}

}  // namespace

int decimal_width(long long value) {
  int width = 0;
  for (long long limit = 1; limit <= 9'999'999; limit *= 10) {
    ++width;
    if (value >= limit && value < limit * 10) {
      return width;
    }
  }
  return -1;
}

void pad_with_zeros(std::string& text, int digit_count) {
  const long long missing =
      static_cast<long long>(digit_count) - static_cast<long long>(text.size());
  if (missing >= 1 && missing <= kMaxDigitCount) {
    text.insert(0, static_cast<std::size_t>(missing), '0');
  }
}

std::string make_renumbered_stem(std::string_view stem, long long number, int digit_count) {
  const int first_digit = first_digit_position(stem);
  std::string new_stem(first_digit < 0 ? stem
                                       : stem.substr(0, static_cast<std::size_t>(first_digit)));
  std::string digits = std::to_string(number);
  pad_with_zeros(digits, digit_count);
  return new_stem + digits;
}

void renumber_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message) {
  if (message.kind == DialogMessage::Kind::kInitialise) {
    initialise(dialog, folder);
    return;
  }
  if (handle_closing_command(dialog, folder, kControls, message.control)) {
    return;
  }
  if ((message.control == kControls.input || message.control == kControls.second_input) &&
      message.notification == kEditChange) {
    recompute(dialog, folder);
  }
}

}  // namespace veltrano
