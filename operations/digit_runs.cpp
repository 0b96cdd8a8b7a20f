#include "operations/digit_runs.h"

#include <string>
#include <vector>

#include "engine/list_contents.h"
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
  // Gathered first, so that each list is given its whole size at once.
  std::vector<std::string> extensions;
  std::vector<std::string> stems;
  std::vector<std::string> firsts;
  std::vector<std::string> lasts;
  // Every entry that is not numbered goes to the check list, for the name check.
  std::vector<std::string> others;
  for_each_listable_file(
      folder,
      [&](const StemAndExtension& file) {
        const int first = first_digit_position(file.stem);
        if (first < 0) {  // a digit in the extension alone does not count
          others.push_back(std::string(file.stem) + std::string(file.extension));
          return;
        }
        extensions.emplace_back(file.extension);
        stems.emplace_back(file.stem);
        firsts.push_back(std::to_string(first));
        lasts.push_back(std::to_string(last_digit_position(file.stem)));
      },
      [&](std::string_view name) { others.emplace_back(name); });
  append_to_list(dialog, IDC_REN_EXTENSIONS, extensions);
  append_to_list(dialog, IDC_REN_NUMBERED_STEMS, stems);
  append_to_list(dialog, IDC_REN_FIRST_POSITIONS, firsts);
  append_to_list(dialog, IDC_REN_LAST_POSITIONS, lasts);
  append_to_list(dialog, IDC_REN_CHECK_LIST, others);
  return static_cast<int>(stems.size());
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
