#include "engine/char_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

TEST(IsForbiddenChar, RefusesExactlyTheNineCharactersAndTheControlBytes) {
  const std::string forbidden = "\\:/\"?*<>|";
  for (int c = -128; c < 128; ++c) {
    const bool expected = (c >= 0x01 && c <= 0x1F) ||
                          (c > 0 && forbidden.find(static_cast<char>(c)) != std::string::npos);
    EXPECT_EQ(is_forbidden_char(c), expected ? 1 : 0) << c;
  }
}

TEST(HasNoForbiddenChars, TestsEveryCharacterOfTheText) {
  struct Case {
    std::string text;
    int expected;
  };
  const Case cases[] = {
      {"", 1},
      {"a|b", 0},
      {"Perch\xE9", 1},
      {"\xE0\xE8\xEC\xF2\xF9\x80\xFF", 1},
      {"100% ; - ' () [] {}", 1},
      {"a\tb", 0},
      {"fine\x1F", 0},
      {"ore 12:30", 0},
      {"*", 0},
      {"fine?", 0},
      {std::string(126, 'a') + "<", 0},  // the 127th character
      {std::string(200, 'a') + ">", 0},  // far beyond 127 characters
      {std::string(259, 'x'), 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(has_no_forbidden_chars(c.text), c.expected) << c.text;
  }
}

}  // namespace
}  // namespace veltrano
