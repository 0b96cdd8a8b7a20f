#include "tests/e2e/driver/check.h"

#include <cstdio>

namespace veltrano::e2e {

void fail(std::string_view message, std::source_location where) {
  std::string file = where.file_name();
  const auto slash = file.find_last_of("/\\");
  if (slash != std::string::npos) {
    file.erase(0, slash + 1);
  }
  throw CheckFailed(file + ":" + std::to_string(where.line()) + ": " + std::string(message));
}

void check(bool condition, std::string_view message, std::source_location where) {
  if (!condition) {
    fail(message, where);
  }
}

std::string printable(std::string_view bytes) {
  std::string shown;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
      shown += c;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
      shown += escaped;
    }
  }
  return shown;
}

std::string quoted(std::string_view bytes) {
  std::string shown = "\"";
  shown += printable(bytes);
  shown += '"';
  return shown;
}

std::string printable(const std::vector<std::string>& list) {
  std::string shown = "[";
  for (std::size_t i = 0; i < list.size(); ++i) {
    shown += i == 0 ? "" : ", ";
    shown += quoted(list[i]);
  }
  return shown + "]";
}

std::string printable(const std::map<std::string, std::string>& map) {
  std::string shown = "{";
  bool first = true;
  for (const auto& [name, contents] : map) {
    shown += first ? "" : ", ";
    shown += quoted(name) + ": " + quoted(contents);
    first = false;
  }
  return shown + "}";
}

}  // namespace veltrano::e2e
