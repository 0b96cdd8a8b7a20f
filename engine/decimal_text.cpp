#include "engine/decimal_text.h"

#include <climits>

#include "engine/characters.h"

namespace veltrano {

int decimal_value(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && is_white_space(text[i])) {
    ++i;
  }
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulated as a negative number, whose range reaches INT_MIN.
  long long value = 0;
  for (; i < text.size() && is_digit(text[i]); ++i) {
    value = value * 10 - (text[i] - '0');
    if (value < INT_MIN) {
      value = INT_MIN;  // further digits only keep it saturated
    }
  }
  if (negative) {
    return static_cast<int>(value);
  }
  return value < -INT_MAX ? INT_MAX : static_cast<int>(-value);
}

std::string grouped_thousands(std::size_t count) {
  const std::string digits = std::to_string(count);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) {
      grouped += '.';
    }
    grouped += digits[i];
  }
  return grouped;
}

}  // namespace veltrano
