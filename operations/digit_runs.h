// Which files carry a number in their stem, where that number stands, and whether it stands at
// the same place in every name: what the renumbering dialog needs before it can offer anything.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "interface/dialog.h"
#include "interface/folder.h"

namespace veltrano {

// What the renumbering dialog learns from the positions of the numbers.
enum DigitAnalysis : int {
  SAME_POSITION = 0,     // at least one file, every first digit run where the first file's is
  POSITION_DIFFERS = 1,  // some first digit run begins or ends elsewhere
  NO_DIGITS = 2,         // no listable file has a digit in its stem
};

// The index of the stem's first digit, or -1 when it holds none.
int first_digit_position(std::string_view stem);

// The index of the last digit of the stem's first run of digits.
int last_digit_position(std::string_view stem);

// The listable files whose stem holds a digit, in enumeration order, with the positions of the
// first and last digit of each stem's first run of digits; parallel by index. And the names of
// every other entry of the folder and the short names, for the name check.
struct NumberedFiles {
  std::vector<std::string> stems;
  std::vector<std::string> extensions;
  std::vector<int> first_positions;
  std::vector<int> last_positions;
  std::vector<std::string> others;
};
NumberedFiles gather_numbered_files(const Folder& folder);

// Appends `files` to the numbered stem list, the extension list and the two position lists, and
// the other entries' names and the short names to the check list. Returns the number of files
// listed.
int list_numbered_files(Dialog& dialog, const NumberedFiles& files);

// The outcome for the numbered files.
DigitAnalysis analyse_digit_positions(const NumberedFiles& files);

}  // namespace veltrano
