#include "engine/decimal_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>

namespace veltrano {
namespace {

TEST(DecimalValue, ReadsAsAtoiWithoutOverflow) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},
      {"abc", 0},
      {"12", 12},
      {"0042", 42},
      {" \t7", 7},
      {"12ab", 12},
      {"-5", -5},
      {"+3", 3},
      {"- 3", 0},
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"4294967299", INT_MAX},  // would wrap round to 3 in 32 bits
      {"99999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-99999999999999999999", INT_MIN},
  };
  for (const auto& [text, expected] : cases) {
    EXPECT_EQ(decimal_value(text), expected) << '"' << text << '"';
  }
}

}  // namespace
}  // namespace veltrano
