// Checks for the end-to-end cases: a failed check throws, the runner reports its message.
#pragma once

#include <map>
#include <source_location>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano::e2e {

// Thrown by a failed check and by a driver call that could not do what it was asked.
class CheckFailed : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws CheckFailed with `message` and the caller's file and line.
[[noreturn]] void fail(std::string_view message,
                       std::source_location where = std::source_location::current());

void check(bool condition, std::string_view message,
           std::source_location where = std::source_location::current());

// Windows-1252 bytes shown readably: printable ASCII as is, everything else as \xNN.
std::string printable(std::string_view bytes);
std::string printable(const std::vector<std::string>& list);
std::string printable(const std::map<std::string, std::string>& map);
inline std::string printable(unsigned long number) {
  return std::to_string(number);
}
// printable(bytes) in double quotes.
std::string quoted(std::string_view bytes);

// Fails with both values shown when they differ.
template <typename T>
void check_equal(const T& actual, const T& expected, std::string_view what,
                 std::source_location where = std::source_location::current()) {
  if (!(actual == expected)) {
    fail(std::string(what) + ": got " + printable(actual) + ", expected " + printable(expected),
         where);
  }
}

inline void check_equal(std::string_view actual, std::string_view expected, std::string_view what,
                        std::source_location where = std::source_location::current()) {
  if (actual != expected) {
    fail(std::string(what) + ": got " + quoted(actual) + ", expected " + quoted(expected), where);
  }
}

// Runs `step`; a check that fails in it reports `label` first. For cases that loop over a table.
template <typename Step>
void in_context(std::string_view label, Step&& step) {
  try {
    step();
  } catch (const CheckFailed& failure) {
    throw CheckFailed(std::string(label) + ": " + failure.what());
  }
}

}  // namespace veltrano::e2e
