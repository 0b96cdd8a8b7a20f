#include "operations/digit_runs.h"

#include <string>

#include "engine/listing.h"
#include "resources/resource_ids.h"

namespace veltrano {

int first_digit_position(std::string_view stem) {
  for (std::size_t i = 0; i < stem.size(); ++i) {
    if (is_digit(stem[i])) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

int last_digit_position(std::string_view stem) {
  const int first = first_digit_position(stem);
  std::size_t i = first < 0 ? stem.size() : static_cast<std::size_t>(first);
  while (i < stem.size() && is_digit(stem[i])) {
    ++i;
  }
  return static_cast<int>(i) - 1;
}

int list_numbered_files(Dialog& dialog, const Folder& folder) {
  FrozenList frozen_stems(dialog, IDC_REN_NUMBERED_STEMS);
  FrozenList frozen_extensions(dialog, IDC_REN_EXTENSIONS);
  FrozenList frozen_firsts(dialog, IDC_REN_FIRST_POSITIONS);
  FrozenList frozen_lasts(dialog, IDC_REN_LAST_POSITIONS);
  int count = 0;
  // Every entry that is not numbered goes to the check list, for the name check.
  const auto add_other = [&dialog](std::string_view name) {
    dialog.list_add(IDC_REN_CHECK_LIST, name);
  };
  for_each_listable_file(
      folder,
      [&](const StemAndExtension& file) {
        const int first = first_digit_position(file.stem);
        if (first < 0) {
          // A digit in the extension alone does not count.
          add_other(std::string(file.stem) + std::string(file.extension));
          return;
        }
        dialog.list_add(IDC_REN_EXTENSIONS, file.extension);
        dialog.list_add(IDC_REN_NUMBERED_STEMS, file.stem);
        dialog.list_add(IDC_REN_FIRST_POSITIONS, std::to_string(first));
        dialog.list_add(IDC_REN_LAST_POSITIONS, std::to_string(last_digit_position(file.stem)));
        ++count;
      },
      add_other);
  return count;
}

DigitAnalysis analyse_digit_positions(const Dialog& dialog) {
  const int count = dialog.list_count(IDC_REN_NUMBERED_STEMS);
  if (count == 0) {
    return NO_DIGITS;
  }
  const int reference_first = decimal_value(dialog.list_text(IDC_REN_FIRST_POSITIONS, 0));
  const int reference_last = decimal_value(dialog.list_text(IDC_REN_LAST_POSITIONS, 0));
  DigitAnalysis outcome = SAME_POSITION;
  for (int i = 0; i < count; ++i) {
    if (decimal_value(dialog.list_text(IDC_REN_FIRST_POSITIONS, i)) != reference_first ||
        decimal_value(dialog.list_text(IDC_REN_LAST_POSITIONS, i)) != reference_last) {
      outcome = POSITION_DIFFERS;
    }
  }
  return outcome;
}

}  // namespace veltrano
