#include "engine/characters.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

// Every byte under every rule. The expected classes are written out, not computed.
TEST(Characters, EveryByteUnderEveryRule) {
  const auto holds = [](const std::string& s, char c) { return s.find(c) != std::string::npos; };
  std::string forbidden = "\\:/\"?*<>|";
  for (char c = 0x01; c <= 0x1F; ++c) {
    forbidden += c;
  }
  const std::string upper = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const std::string lower = "abcdefghijklmnopqrstuvwxyz";
  const std::string digits = "0123456789";
  // Capital and small letter, pair by pair, as Windows folds names: ASCII, then the capitals with
  // caron, OE and Y with diaeresis, then the accented capitals (the multiplication sign 0xD7 and
  // the sharp s 0xDF have no pair).
  const std::string fold_pairs =
      "AaBbCcDdEeFfGgHhIiJjKkLlMmNnOoPpQqRrSsTtUuVvWwXxYyZz"
      "\x8A\x9A\x8C\x9C\x8E\x9E\x9F\xFF"
      "\xC0\xE0\xC1\xE1\xC2\xE2\xC3\xE3\xC4\xE4\xC5\xE5\xC6\xE6\xC7\xE7"
      "\xC8\xE8\xC9\xE9\xCA\xEA\xCB\xEB\xCC\xEC\xCD\xED\xCE\xEE\xCF\xEF"
      "\xD0\xF0\xD1\xF1\xD2\xF2\xD3\xF3\xD4\xF4\xD5\xF5\xD6\xF6"
      "\xD8\xF8\xD9\xF9\xDA\xFA\xDB\xFB\xDC\xFC\xDD\xFD\xDE\xFE";
  for (int byte = 0; byte < 256; ++byte) {
    const char c = static_cast<char>(byte);
    SCOPED_TRACE(byte);
    const std::size_t pair = fold_pairs.find(c);
    const bool folds = pair != std::string::npos && pair % 2 == 0;
    EXPECT_EQ(is_forbidden_char(static_cast<signed char>(c)), holds(forbidden, c) ? 1 : 0);
    // The byte after a long text is tested too.
    EXPECT_EQ(has_no_forbidden_chars(std::string(300, 'a') + c), holds(forbidden, c) ? 0 : 1);
    EXPECT_EQ(is_upper_letter(c), holds(upper, c));
    EXPECT_EQ(is_lower_letter(c), holds(lower, c));
    EXPECT_EQ(is_digit(c), holds(digits, c));
    EXPECT_EQ(fold_case(static_cast<unsigned char>(c)),
              static_cast<unsigned char>(folds ? fold_pairs[pair + 1] : c));
  }
}

}  // namespace
}  // namespace veltrano
