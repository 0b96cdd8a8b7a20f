#include "operations/case_transforms.h"

namespace veltrano {
namespace {

bool is_upper(char c) {
  return c >= 'A' && c <= 'Z';
}
bool is_lower(char c) {
  return c >= 'a' && c <= 'z';
}
bool is_letter(char c) {
  return is_upper(c) || is_lower(c);
}
bool is_white_space(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
char upper_form(char c) {
  return is_lower(c) ? static_cast<char>(c - 0x20) : c;
}
char lower_form(char c) {
  return is_upper(c) ? static_cast<char>(c + 0x20) : c;
}

}  // namespace

void underscores_to_spaces(std::string& stem) {
  for (char& c : stem) {
    if (c == '_') {
      c = ' ';
    }
  }
}

void spaces_to_underscores(std::string& stem) {
  for (char& c : stem) {
    if (is_white_space(c)) {
      c = '_';
    }
  }
}

void to_upper_case(std::string& stem) {
  for (char& c : stem) {
    c = upper_form(c);
  }
}

void to_lower_case(std::string& stem) {
  for (char& c : stem) {
    c = lower_form(c);
  }
}

void to_normal_text(std::string& stem) {
  bool first_letter_pending = true;
  for (char& c : stem) {
    if (!first_letter_pending) {
      c = lower_form(c);
    } else if (is_letter(c)) {
      c = upper_form(c);
      first_letter_pending = false;
    }
  }
}

void to_title_case(std::string& stem) {
  bool word_start = true;
  for (char& c : stem) {
    const char read = c;
    if (is_letter(read)) {
      c = word_start ? upper_form(read) : lower_form(read);
      word_start = false;
    }
    if (read == ' ' || read == '_') {
      word_start = true;
    }
  }
}

}  // namespace veltrano
