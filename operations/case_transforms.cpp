#include "operations/case_transforms.h"

#include "engine/characters.h"

namespace veltrano {
namespace {

bool is_letter(char c) {
  return is_upper_letter(c) || is_lower_letter(c);
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
    c = to_upper_letter(c);
  }
}

void to_lower_case(std::string& stem) {
  for (char& c : stem) {
    c = to_lower_letter(c);
  }
}

void to_normal_text(std::string& stem) {
  bool first_letter_pending = true;
  for (char& c : stem) {
    if (!first_letter_pending) {
      c = to_lower_letter(c);
    } else if (is_letter(c)) {
      c = to_upper_letter(c);
      first_letter_pending = false;
    }
  }
}

void to_title_case(std::string& stem) {
  bool word_start = true;
  for (char& c : stem) {
    const char read = c;
    if (is_letter(read)) {
      c = word_start ? to_upper_letter(read) : to_lower_letter(read);
      word_start = false;
    }
    if (read == ' ' || read == '_') {
      word_start = true;
    }
  }
}

}  // namespace veltrano
