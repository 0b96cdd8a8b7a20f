#include "tests/unit/temp_folder.h"

#include <stdlib.h>

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace veltrano::testing {

namespace fs = std::filesystem;

TempFolder::TempFolder(const std::vector<std::string>& file_names)
    : previous_directory_(fs::current_path()) {
  std::string pattern = (fs::temp_directory_path() / "veltrano-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("cannot create a temporary folder");
  }
  path_ = pattern;
  fs::current_path(path_);
  for (const std::string& name : file_names) {
    add_file(name);
  }
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::current_path(previous_directory_, ignored);
  for (const auto& entry : fs::recursive_directory_iterator(path_, ignored)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(path_, ignored);
}

void TempFolder::add_file(const std::string& name, const std::string& contents) {
  std::ofstream out(path_ / name, std::ios::binary);
  out << contents;
  if (!out) {
    throw std::runtime_error("cannot write " + name);
  }
}

void TempFolder::add_file(const std::string& name) {
  add_file(name, "contents of " + name);
}

void TempFolder::add_directory(const std::string& name) {
  fs::create_directory(path_ / name);
}

void TempFolder::make_read_only(const std::string& name) {
  fs::permissions(path_ / name,
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
}

bool TempFolder::is_read_only(const std::string& name) const {
  return (fs::status(path_ / name).permissions() & fs::perms::owner_write) == fs::perms::none;
}

std::map<std::string, std::string> TempFolder::contents() const {
  std::map<std::string, std::string> result;
  for (const auto& entry : fs::directory_iterator(path_)) {
    if (entry.is_regular_file()) {
      std::ifstream in(entry.path(), std::ios::binary);
      result[entry.path().filename().string()] =
          std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
  }
  return result;
}

}  // namespace veltrano::testing
