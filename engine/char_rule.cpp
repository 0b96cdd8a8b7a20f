#include "engine/char_rule.h"

namespace veltrano {

int is_forbidden_char(int character) {
  if (character >= 0x01 && character <= 0x1F) {
    return 1;  // no Windows file name holds a control byte
  }
  switch (character) {
    case '\\':
    case ':':
    case '/':
    case '"':
    case '?':
    case '*':
    case '<':
    case '>':
    case '|':
      return 1;
    default:
      return 0;
  }
}

int has_no_forbidden_chars(std::string_view text) {
  for (const char c : text) {
    // A byte from 0x80 up widens to a negative value and is never forbidden.
    if (is_forbidden_char(static_cast<signed char>(c))) {
      return 0;
    }
  }
  return 1;
}

}  // namespace veltrano
