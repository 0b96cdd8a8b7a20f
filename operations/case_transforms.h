// The six name transforms that need no input. Each rewrites a stem in place, byte for byte: the
// length never changes, and only ASCII letters ever change case.
#pragma once

#include <string>

namespace veltrano {

void underscores_to_spaces(std::string& stem);
void spaces_to_underscores(std::string& stem);
void to_upper_case(std::string& stem);
void to_lower_case(std::string& stem);
// Only the first letter of the stem in upper case, every later letter in lower case.
void to_normal_text(std::string& stem);
// The first letter of every word in upper case; a word starts at the beginning and after every
// space or underscore.
void to_title_case(std::string& stem);

}  // namespace veltrano
