#include "platform/win32/win32_folder.h"

#include <windows.h>

#include <string>

#include "engine/extended_path.h"
#include "platform/win32/owned_handle.h"
#include "platform/win32/wide_path.h"
#include "platform/win32/win32_trace.h"
#include "platform/win32/windows_1252.h"

namespace veltrano {

namespace {

std::optional<std::wstring> read_current_directory() {
  return read_wide_path(
      [](wchar_t* buffer, UINT size) { return GetCurrentDirectoryW(size, buffer); },
      "GetCurrentDirectoryW");
}

}  // namespace

std::optional<std::string> Win32Folder::current_directory() const {
  // Its length counts towards every new path's limit, which Windows counts in UTF-16 characters.
  const std::optional<std::wstring> path = read_current_directory();
  if (!path) {
    return std::nullopt;
  }
  return to_windows_1252(*path);
}

std::optional<std::wstring> Win32Folder::full_path(const std::string& name) const {
  if (!directory_) {
    directory_ = read_current_directory();
    if (!directory_) {
      return std::nullopt;
    }
  }
  // The names are exact (no question mark stands for a lost letter), so they convert back
  // unchanged.
  return extended_path(*directory_, to_utf16(name));
}

bool Win32Folder::for_each_entry(const std::function<void(const FolderEntry&)>& visit) const {
  WIN32_FIND_DATAW data{};
  const Owned<HANDLE, FindClose> find(FindFirstFileW(L"*.*", &data));
  if (!find) {
    trace_failure("FindFirstFileW");
    return false;
  }
  std::string name, short_name;
  do {
    to_windows_1252(data.cFileName, name);
    to_windows_1252(data.cAlternateFileName, short_name);
    visit(FolderEntry{name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0, short_name});
  } while (FindNextFileW(find.get(), &data));
  if (GetLastError() != ERROR_NO_MORE_FILES) {
    trace_failure("FindNextFileW");  // the listing ends early with what it has
  }
  return true;
}

bool Win32Folder::rename_no_replace(const std::string& from, const std::string& to) {
  const std::optional<std::wstring> old_path = full_path(from), new_path = full_path(to);
  if (!old_path || !new_path) {
    return false;
  }
  // Without MOVEFILE_REPLACE_EXISTING it fails when the new name is taken: it never replaces a
  // file.
  if (!MoveFileExW(old_path->c_str(), new_path->c_str(), 0)) {
    trace_failure("MoveFileExW");
    return false;
  }
  return true;
}

std::optional<std::string> Win32Folder::name_on_disk(const std::string& name) const {
  const std::optional<std::wstring> path = full_path(name);
  if (!path) {
    return std::nullopt;
  }
  WIN32_FIND_DATAW data{};
  const Owned<HANDLE, FindClose> find(FindFirstFileW(path->c_str(), &data));
  if (!find) {
    trace_failure("FindFirstFileW");
    return std::nullopt;
  }
  return to_windows_1252(data.cFileName);
}

}  // namespace veltrano
