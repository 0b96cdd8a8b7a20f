#include "app/command_line.h"

#include <algorithm>

namespace veltrano {

std::string_view command_line_tail(std::string_view command_line) {
  std::size_t end_of_path = 0;
  if (command_line.starts_with('"')) {
    const std::size_t closing_quote = command_line.find('"', 1);
    if (closing_quote == std::string_view::npos) {
      return command_line;
    }
    end_of_path = closing_quote + 1;
  } else {
    end_of_path = std::min(command_line.find(' '), command_line.size());
  }
  const std::size_t tail = command_line.find_first_not_of(' ', end_of_path);
  return tail == std::string_view::npos ? command_line.substr(command_line.size())
                                        : command_line.substr(tail);
}

}  // namespace veltrano
