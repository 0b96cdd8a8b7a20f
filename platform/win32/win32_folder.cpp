#include "platform/win32/win32_folder.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/owned_handle.h"
#include "platform/win32/wide_path.h"
#include "platform/win32/win32_trace.h"
#include "platform/win32/windows_1252.h"

namespace veltrano {

std::optional<std::string> Win32Folder::current_directory() const {
  // Its length counts towards every new path's limit, which Windows counts in UTF-16 characters.
  const std::optional<std::wstring> path =
      read_wide_path([](wchar_t* buffer, UINT size) { return GetCurrentDirectoryW(size, buffer); },
                     "GetCurrentDirectoryW");
  if (!path) {
    return std::nullopt;
  }
  return to_windows_1252(*path);
}

bool Win32Folder::for_each_entry(const std::function<void(const FolderEntry&)>& visit) const {
  WIN32_FIND_DATAW data{};
  const Owned<HANDLE, FindClose> find(FindFirstFileW(L"*.*", &data));
  if (!find) {
    trace_failure("FindFirstFileW");
    return false;
  }
  std::string name;
  do {
    to_windows_1252(data.cFileName, name);
    visit(FolderEntry{name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find.get(), &data));
  if (GetLastError() != ERROR_NO_MORE_FILES) {
    trace_failure("FindNextFileW");  // the listing ends early with what it has
  }
  return true;
}

bool Win32Folder::rename_no_replace(const std::string& from, const std::string& to) {
  // The C runtime's rename fails when the new name is taken: it never replaces a file. The names
  // are exact (no question mark stands for a lost letter), so they convert back unchanged.
  if (_wrename(to_utf16(from).c_str(), to_utf16(to).c_str()) != 0) {
    trace_failure("_wrename");
    return false;
  }
  return true;
}

}  // namespace veltrano
