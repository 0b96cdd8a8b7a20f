// Renumbering: every file whose stem holds a number gets a new sequential number in place of it,
// written with leading zeros to a chosen count of digits.
#pragma once

#include <string>
#include <string_view>

#include "interface/dialog_proc.h"

namespace veltrano {

// Digit counts above this are refused.
inline constexpr int kMaxDigitCount = 7;

// The count of decimal digits of a value from 1 to 9,999,999; -1 for every other value.
int decimal_width(long long value);

// Puts zeros in front of a decimal text until it is `digit_count` long, when that takes 1 to 7
// zeros; otherwise leaves it as it is.
void pad_with_zeros(std::string& text, int digit_count);

// The stem's text up to its first digit, followed by `number` padded with zeros to `digit_count`.
std::string make_renumbered_stem(std::string_view stem, long long number, int digit_count);

void renumber_dialog_proc(Dialog& dialog, Folder& folder, const DialogMessage& message);

}  // namespace veltrano
