#include "platform/win32/system_folder.h"

#include <windows.h>

#include <string>

#include "platform/win32/win32_trace.h"

namespace veltrano {
namespace {

// A folder's path as a Win32 getter gives it, in UTF-16 so that no letter is lost, without a
// trailing backslash; empty when it cannot be read.
template <typename Getter>
std::wstring folder_path(Getter get, const char* what) {
  std::wstring path(MAX_PATH, L'\0');
  UINT length = get(path.data(), static_cast<UINT>(path.size()));
  if (length >= path.size()) {  // too small: the answer is the size needed
    path.resize(length);
    length = get(path.data(), static_cast<UINT>(path.size()));
  }
  if (length == 0 || length >= path.size()) {
    trace_failure(what);
    return {};
  }
  path.resize(length);
  if (path.size() > 3 && path.back() == L'\\') {
    path.pop_back();
  }
  return path;
}

bool same_folder(const std::wstring& a, const std::wstring& b) {
  return !a.empty() && !b.empty() &&
         CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                              static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

bool in_windows_or_system_folder() {
  const std::wstring current =
      folder_path([](wchar_t* buffer,
                     UINT size) { return static_cast<UINT>(GetCurrentDirectoryW(size, buffer)); },
                  "GetCurrentDirectoryW");
  return same_folder(current, folder_path(GetWindowsDirectoryW, "GetWindowsDirectoryW")) ||
         same_folder(current, folder_path(GetSystemDirectoryW, "GetSystemDirectoryW"));
}

}  // namespace veltrano
