#include "tests/e2e/driver/test_folder.h"

#include <algorithm>
#include <atomic>
#include <functional>

#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/process.h"

namespace veltrano::e2e {
namespace {

// Calls `visit` for every entry of `folder` but "." and "..", in enumeration order.
void for_each_entry(const std::string& folder,
                    const std::function<void(const WIN32_FIND_DATAA&)>& visit) {
  WIN32_FIND_DATAA entry;
  Owned<void, FindClose> find(FindFirstFileA((folder + "\\*").c_str(), &entry));
  check(find.get() != INVALID_HANDLE_VALUE, "cannot list " + printable(folder));
  do {
    const std::string_view name = entry.cFileName;
    if (name != "." && name != "..") {
      visit(entry);
    }
  } while (FindNextFileA(find.get(), &entry));
}

bool is_directory(const WIN32_FIND_DATAA& entry) {
  return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// Removes a folder and all it holds, read-only files included; quiet, as it runs in destructors.
void remove_tree(const std::string& folder) noexcept {
  try {
    for_each_entry(folder, [&](const WIN32_FIND_DATAA& entry) {
      const std::string path = folder + "\\" + entry.cFileName;
      if (is_directory(entry)) {
        remove_tree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    });
  } catch (const CheckFailed&) {
  }
  RemoveDirectoryA(folder.c_str());
}

}  // namespace

TestFolder::TestFolder() {
  static std::atomic<int> made{0};
  char temp[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  check(length > 0 && length < MAX_PATH, "no temporary folder");
  path_ = std::string(temp, length) + "veltrano-e2e-" + std::to_string(GetCurrentProcessId()) +
          "-" + std::to_string(++made);
  remove_tree(path_);
  check(CreateDirectoryA(path_.c_str(), nullptr), "cannot make " + printable(path_));
}

TestFolder::~TestFolder() {
  remove_tree(path_);
}

std::string TestFolder::full_path(std::string_view name) const {
  return path_ + "\\" + std::string(name);
}

void TestFolder::add_file(std::string_view name, std::string_view contents) {
  UniqueHandle file(CreateFileA(full_path(name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  check(file.get() != INVALID_HANDLE_VALUE, "cannot make file " + quoted(name));
  DWORD written = 0;
  check(WriteFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &written,
                  nullptr) &&
            written == contents.size(),
        "cannot write " + quoted(name));
}

void TestFolder::add_files(const Names& names) {
  for (const auto& name : names) {
    add_file(name, contents_for(name));
  }
}

void TestFolder::add_folder(std::string_view name) {
  check(CreateDirectoryA(full_path(name).c_str(), nullptr), "cannot make folder " + quoted(name));
}

void TestFolder::make_read_only(std::string_view name) {
  check(SetFileAttributesA(full_path(name).c_str(), attributes(name) | FILE_ATTRIBUTE_READONLY),
        "cannot make " + quoted(name) + " read-only");
  check(is_read_only(name), quoted(name) + " did not become read-only");
}

Names TestFolder::names() const {
  Names names;
  for_each_entry(path_,
                 [&](const WIN32_FIND_DATAA& entry) { names.emplace_back(entry.cFileName); });
  return names;
}

Names TestFolder::stems_in_order(const Names& listed) const {
  Names stems;
  for (const auto& name : names()) {
    if (std::find(listed.begin(), listed.end(), name) != listed.end()) {
      stems.push_back(stem_of(name));
    }
  }
  return stems;
}

Contents TestFolder::contents() const {
  Contents contents;
  for_each_entry(path_, [&](const WIN32_FIND_DATAA& entry) {
    if (is_directory(entry)) {
      return;
    }
    UniqueHandle file(CreateFileA(full_path(entry.cFileName).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, 0, nullptr));
    check(file.get() != INVALID_HANDLE_VALUE, "cannot open " + quoted(entry.cFileName));
    std::string data(entry.nFileSizeLow, '\0');
    DWORD read = 0;
    check(ReadFile(file.get(), data.data(), static_cast<DWORD>(data.size()), &read, nullptr) &&
              read == data.size(),
          "cannot read " + quoted(entry.cFileName));
    contents.emplace(entry.cFileName, std::move(data));
  });
  return contents;
}

DWORD TestFolder::attributes(std::string_view name) const {
  const DWORD attributes = GetFileAttributesA(full_path(name).c_str());
  check(attributes != INVALID_FILE_ATTRIBUTES, quoted(name) + " is not there");
  return attributes;
}

bool TestFolder::is_read_only(std::string_view name) const {
  return (attributes(name) & FILE_ATTRIBUTE_READONLY) != 0;
}

std::string stem_of(std::string_view name) {
  return std::string(name.substr(0, name.rfind('.')));
}

std::string contents_for(std::string_view name) {
  return "contents of " + std::string(name) + "\n";
}

Contents renamed(Contents contents, const Renames& renames) {
  Contents moved;
  for (const auto& [old_name, new_name] : renames) {
    moved[new_name] = contents.at(old_name);
    contents.erase(old_name);
  }
  contents.insert(moved.begin(), moved.end());
  return contents;
}

}  // namespace veltrano::e2e
