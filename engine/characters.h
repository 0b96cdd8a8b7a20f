// The rules on single Windows-1252 bytes, all in one place: which characters typed text may not
// hold, which letters the case transforms change, what counts as a digit or white space, and how
// Windows folds letter case when it compares file names. The transforms and the file system
// disagree on purpose: the transforms change only A-Z and a-z, while Windows folds accented
// capitals too.
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

// The letters of the case transforms: A-Z and a-z only; no byte from 0x80 up changes case.
bool is_upper_letter(char c);
bool is_lower_letter(char c);
char to_upper_letter(char c);
char to_lower_letter(char c);

// Only the bytes '0' to '9' are digits; no byte from 0x80 up ever is.
bool is_digit(char c);

// Blank, tab, line feed, vertical tab, form feed and carriage return.
bool is_white_space(char c);

// The lower-case form of a byte as Windows folds it when it compares names: A-Z, the accented
// capitals 0xC0-0xDE but the multiplication sign, and the capitals with caron, OE and Y with
// diaeresis.
unsigned char fold_case(unsigned char c);

}  // namespace veltrano
