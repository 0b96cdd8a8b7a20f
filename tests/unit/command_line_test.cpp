#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

struct TailCase {
  const char* command_line;
  const char* tail;
};

class CommandLineTail : public testing::TestWithParam<TailCase> {};

TEST_P(CommandLineTail, SkipsTheProgramPath) {
  const std::string command_line = GetParam().command_line;
  const std::string_view tail = command_line_tail(command_line);
  EXPECT_EQ(tail, GetParam().tail);
  // The tail is a suffix of the command line, so the caller may pass it on as a C string.
  EXPECT_EQ(tail.data() + tail.size(), command_line.data() + command_line.size());
}

INSTANTIATE_TEST_SUITE_P(
    Table, CommandLineTail,
    testing::Values(
        TailCase{"\"C:\\Program Files\\veltrano.exe\" uno due", "uno due"},
        TailCase{"\"C:\\Program Files\\veltrano.exe\"", ""},
        TailCase{"\"C:\\Program Files\\veltrano.exe\"   ", ""},
        TailCase{"\"C:\\a b\\veltrano.exe\"x y", "x y"},  // no blank after the quote
        TailCase{"\"\" resto", "resto"},
        TailCase{"\"C:\\a b\\veltrano.exe uno", "\"C:\\a b\\veltrano.exe uno"},  // never closed
        TailCase{"veltrano.exe uno due", "uno due"},
        TailCase{"veltrano.exe    uno  due  ", "uno  due  "}, TailCase{"veltrano.exe", ""},
        TailCase{"veltrano.exe   ", ""},
        TailCase{"C:\\a\"b\\veltrano.exe \"x\"", "\"x\""},  // a quote inside the path is text
        TailCase{"  uno", "uno"},                           // an empty first word
        TailCase{"veltrano.exe\tuno", ""}, TailCase{"", ""}));

}  // namespace
}  // namespace veltrano
