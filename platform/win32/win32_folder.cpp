#include "platform/win32/win32_folder.h"

#include <direct.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "platform/win32/win32_trace.h"

namespace veltrano {
namespace {

// Owns a find handle and closes it exactly once; INVALID_HANDLE_VALUE is the empty state.
class UniqueFind {
 public:
  explicit UniqueFind(HANDLE handle) : handle_(handle) {}
  ~UniqueFind() {
    if (handle_ != INVALID_HANDLE_VALUE && !FindClose(handle_)) {
      trace_failure("FindClose");
    }
  }
  UniqueFind(const UniqueFind&) = delete;
  UniqueFind& operator=(const UniqueFind&) = delete;

  explicit operator bool() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

std::optional<std::string> Win32Folder::current_directory() const {
  std::unique_ptr<char, decltype(&std::free)> path(_getcwd(nullptr, 0), &std::free);
  if (!path) {
    trace_failure("_getcwd");
    return std::nullopt;
  }
  return std::string(path.get());
}

std::string Win32Folder::path_of(const std::string& name) const {
  const std::optional<std::string> directory = current_directory();
  if (directory) {
    // The separator goes in even at a drive's root; the platform accepts the doubled one.
    std::string path = *directory + "\\" + name;
    if (path.size() < MAX_PATH) {
      return path;
    }
  }
  // The ANSI functions take no path longer than MAX_PATH, not even with the "\\?\" prefix;
  // a name relative to the current directory reaches the same file at any length.
  return name;
}

bool Win32Folder::for_each_entry(const std::function<void(const FolderEntry&)>& visit) const {
  const std::string pattern = path_of("*.*");
  WIN32_FIND_DATAA data{};
  UniqueFind find(FindFirstFileA(pattern.c_str(), &data));
  if (!find) {
    trace_failure("FindFirstFileA");
    return false;
  }
  do {
    visit(FolderEntry{data.cFileName, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(find.get(), &data));
  if (GetLastError() != ERROR_NO_MORE_FILES) {
    trace_failure("FindNextFileA");  // the listing ends early with what it has
  }
  return true;
}

bool Win32Folder::make_writable(const std::string& name) {
  if (_chmod(path_of(name).c_str(), _S_IWRITE) != 0) {
    trace_failure("_chmod");
    return false;
  }
  return true;
}

bool Win32Folder::rename_no_replace(const std::string& from, const std::string& to) {
  // The C runtime's rename fails when the new name is taken: it never replaces a file.
  if (std::rename(path_of(from).c_str(), path_of(to).c_str()) != 0) {
    trace_failure("rename");
    return false;
  }
  return true;
}

}  // namespace veltrano
