// The characters that typed text may not hold, because file names cannot.
#pragma once

#include <string_view>

namespace veltrano {

// 1 for backslash, colon, slash, double quote, question mark, asterisk, less-than, greater-than,
// vertical bar and the control bytes 0x01 to 0x1F; 0 for every other character (a byte widened
// with its sign).
int is_forbidden_char(int character);

// 1 when the text holds no forbidden character (the empty text included), 0 otherwise. Every
// character of the text is tested, whatever its length.
int has_no_forbidden_chars(std::string_view text);

}  // namespace veltrano
