#include "platform/win32/win32_folder.h"

#include <direct.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <memory>

#include "platform/win32/owned_handle.h"
#include "platform/win32/win32_trace.h"

namespace veltrano {
namespace {

// Puts in `name` the name in the ANSI code page, with a question mark for every character that
// the code page cannot hold exactly (no best-fit substitute letter, which could name another
// file). `name` is reused from entry to entry, so that a listing allocates little.
void to_ansi_name(const wchar_t* wide, std::string& name) {
  const std::size_t length = std::wcslen(wide);
  // Plain ASCII is the same in every ANSI code page, and most names are plain ASCII.
  if (std::all_of(wide, wide + length, [](wchar_t c) { return c < 0x80; })) {
    name.assign(length, '\0');
    std::transform(wide, wide + length, name.begin(),
                   [](wchar_t c) { return static_cast<char>(c); });
    return;
  }
  // A UTF-8 code page holds every name and takes neither the flag nor a default character.
  const bool utf8 = GetACP() == CP_UTF8;
  const DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
  const char* substitute = utf8 ? nullptr : "?";
  const int bytes = WideCharToMultiByte(CP_ACP, flags, wide, -1, nullptr, 0, substitute, nullptr);
  name.assign(bytes > 0 ? static_cast<std::size_t>(bytes) : 0, '\0');
  if (bytes <= 0 || WideCharToMultiByte(CP_ACP, flags, wide, -1, name.data(), bytes, substitute,
                                        nullptr) != bytes) {
    trace_failure("WideCharToMultiByte");
    name.assign(1, '?');  // a name that is never renamed
    return;
  }
  name.pop_back();  // the terminating zero
}

}  // namespace

std::optional<std::string> Win32Folder::current_directory() const {
  std::unique_ptr<char, decltype(&std::free)> path(_getcwd(nullptr, 0), &std::free);
  if (!path) {
    trace_failure("_getcwd");
    return std::nullopt;
  }
  return std::string(path.get());
}

bool Win32Folder::for_each_entry(const std::function<void(const FolderEntry&)>& visit) const {
  // The wide enumeration, so that a name the code page cannot hold exactly is known as such.
  WIN32_FIND_DATAW data{};
  const Owned<HANDLE, FindClose> find(FindFirstFileW(L"*.*", &data));
  if (!find) {
    trace_failure("FindFirstFileW");
    return false;
  }
  std::string name;
  do {
    to_ansi_name(data.cFileName, name);
    visit(FolderEntry{name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileW(find.get(), &data));
  if (GetLastError() != ERROR_NO_MORE_FILES) {
    trace_failure("FindNextFileW");  // the listing ends early with what it has
  }
  return true;
}

bool Win32Folder::rename_no_replace(const std::string& from, const std::string& to) {
  // The C runtime's rename fails when the new name is taken: it never replaces a file.
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    trace_failure("rename");
    return false;
  }
  return true;
}

}  // namespace veltrano
