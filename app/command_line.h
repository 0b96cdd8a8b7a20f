// The command line without the program path.
#pragma once

#include <string_view>

namespace veltrano {

// The text after the program path: after a quoted path, what follows its closing quote (the
// whole command line when the quote is never closed); after an unquoted path, what follows the
// first space. The spaces after the path are skipped. The result is a suffix of `command_line`,
// so it stays zero-terminated when the command line is.
std::string_view command_line_tail(std::string_view command_line);

}  // namespace veltrano
