#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

struct TailCase {
  const char* command_line;
  const char* tail;
};

TEST(CommandLineTail, SkipsTheProgramPath) {
  const TailCase cases[] = {
      {"\"C:\\Program Files\\veltrano.exe\" uno due", "uno due"},
      {"\"C:\\Program Files\\veltrano.exe\"", ""},
      {"\"C:\\Program Files\\veltrano.exe\"   ", ""},
      {"\"C:\\a b\\veltrano.exe\"x y", "x y"},  // no blank after the quote
      {"\"\" resto", "resto"},
      {"\"C:\\a b\\veltrano.exe uno", "\"C:\\a b\\veltrano.exe uno"},  // never closed
      {"veltrano.exe uno due", "uno due"},
      {"veltrano.exe    uno  due  ", "uno  due  "},
      {"veltrano.exe", ""},
      {"veltrano.exe   ", ""},
      {"C:\\a\"b\\veltrano.exe \"x\"", "\"x\""},  // a quote inside the path is text
      {"  uno", "uno"},                           // an empty first word
      {"veltrano.exe\tuno", ""},
      {"", ""}};

  for (const TailCase& c : cases) {
    const std::string command_line = c.command_line;
    const std::string_view tail = command_line_tail(command_line);
    EXPECT_EQ(tail, c.tail) << command_line;
    // The tail is a suffix of the command line, so the caller may pass it on as a C string.
    EXPECT_EQ(tail.data() + tail.size(), command_line.data() + command_line.size());
  }
}

}  // namespace
}  // namespace veltrano
