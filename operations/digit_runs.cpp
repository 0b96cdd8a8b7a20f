#include "operations/digit_runs.h"

#include <algorithm>
#include <string>
#include <vector>

#include "engine/characters.h"
#include "engine/list_contents.h"
#include "engine/listing.h"
#include "interface/controls.h"

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

NumberedFiles gather_numbered_files(const Folder& folder) {
  NumberedFiles files;
  for_each_listable_file(
      folder,
      [&](const StemAndExtension& file) {
        const int first = first_digit_position(file.stem);
        if (first < 0) {  // a digit in the extension alone does not count
          files.others.push_back(std::string(file.stem) + std::string(file.extension));
          return;
        }
        files.stems.emplace_back(file.stem);
        files.extensions.emplace_back(file.extension);
        files.first_positions.push_back(first);
        files.last_positions.push_back(last_digit_position(file.stem));
      },
      [&](std::string_view name) { files.others.emplace_back(name); });
  return files;
}

int list_numbered_files(Dialog& dialog, const NumberedFiles& files) {
  const auto as_text = [](const std::vector<int>& positions) {
    std::vector<std::string> texts;
    texts.reserve(positions.size());
    for (const int position : positions) {
      texts.push_back(std::to_string(position));
    }
    return texts;
  };
  append_to_list(dialog, kRenumber.frame.extension_list, files.extensions);
  append_to_list(dialog, kRenumber.numbered_stems, files.stems);
  append_to_list(dialog, kRenumber.first_positions, as_text(files.first_positions));
  append_to_list(dialog, kRenumber.last_positions, as_text(files.last_positions));
  append_to_list(dialog, kRenumber.frame.check_list, files.others);
  return static_cast<int>(files.stems.size());
}

DigitAnalysis analyse_digit_positions(const NumberedFiles& files) {
  if (files.stems.empty()) {
    return NO_DIGITS;
  }
  const auto differs = [](const std::vector<int>& positions) {
    return std::any_of(positions.begin(), positions.end(),
                       [&](int position) { return position != positions.front(); });
  };
  return differs(files.first_positions) || differs(files.last_positions) ? POSITION_DIFFERS
                                                                         : SAME_POSITION;
}

}  // namespace veltrano
