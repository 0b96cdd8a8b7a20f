// Which files carry a number in their stem, where that number stands, and whether it stands at
// the same place in every name: what the renumbering dialog needs before it can offer anything.
#pragma once

#include <string_view>

#include "engine/decimal_text.h"
#include "engine/dialog.h"
#include "engine/folder.h"

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

// Appends every listable file whose stem holds a digit to the numbered stem list, the extension
// list and the two position lists, in enumeration order, and the name of every other entry to the
// check list. Returns the number of files listed.
int list_numbered_files(Dialog& dialog, const Folder& folder);

// The outcome for the files that `list_numbered_files` listed in the dialog.
DigitAnalysis analyse_digit_positions(const Dialog& dialog);

}  // namespace veltrano
