#include "engine/file_name.h"

#include <array>

#include "engine/characters.h"

namespace veltrano {
namespace {

constexpr std::array<std::string_view, 11> kExcludedExtensions = {
    ".c", ".h", ".rc", ".exe", ".db", ".obj", ".dep", ".err", ".res", ".prj", ".zip"};

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (to_lower_letter(a[i]) != to_lower_letter(b[i])) {
      return false;
    }
  }
  return true;
}

}  // namespace

int extension_allowed(std::string_view extension) {
  for (std::string_view excluded : kExcludedExtensions) {
    if (equal_ignoring_ascii_case(extension, excluded)) {
      return 0;
    }
  }
  return 1;
}

std::optional<StemAndExtension> split_listable(const FolderEntry& entry) {
  if (entry.name == "." || entry.name == ".." || entry.is_directory) {
    return std::nullopt;
  }
  const std::size_t last_dot = entry.name.rfind('.');
  if (last_dot == std::string_view::npos) {
    return std::nullopt;
  }
  const std::string_view extension = entry.name.substr(last_dot);
  if (!extension_allowed(extension)) {
    return std::nullopt;
  }
  return StemAndExtension{entry.name.substr(0, last_dot), extension};
}

}  // namespace veltrano
