#include "engine/characters.h"

#include <array>

namespace veltrano {
namespace {

constexpr std::array<unsigned char, 256> kFolded = [] {
  std::array<unsigned char, 256> folded{};
  for (int c = 0; c < 256; ++c) {
    folded[c] = static_cast<unsigned char>(c);
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
      folded[c] = static_cast<unsigned char>(c + 0x20);
    } else if (c == 0x8A || c == 0x8C || c == 0x8E) {  // S, OE and Z with caron or ligature
      folded[c] = static_cast<unsigned char>(c + 0x10);
    } else if (c == 0x9F) {  // Y with diaeresis
      folded[c] = 0xFF;
    }
  }
  return folded;
}();

}  // namespace

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

bool is_upper_letter(char c) {
  return c >= 'A' && c <= 'Z';
}

bool is_lower_letter(char c) {
  return c >= 'a' && c <= 'z';
}

char to_upper_letter(char c) {
  return is_lower_letter(c) ? static_cast<char>(c - 0x20) : c;
}

char to_lower_letter(char c) {
  return is_upper_letter(c) ? static_cast<char>(c + 0x20) : c;
}

bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

bool is_white_space(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

unsigned char fold_case(unsigned char c) {
  return kFolded[c];
}

}  // namespace veltrano
