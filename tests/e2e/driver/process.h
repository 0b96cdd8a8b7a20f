// The program under test as a child process: started in a given folder, waited for, and never
// left running.
#pragma once

#include <windows.h>

#include <chrono>
#include <memory>
#include <string>

namespace veltrano::e2e {

using std::chrono::milliseconds;

// How long the driver waits for anything the program should do at once.
inline constexpr milliseconds kPatience{10000};

// Owns a handle of any kind and gives it to `close` exactly once; a null handle and
// INVALID_HANDLE_VALUE (what a failed CreateFile or FindFirstFile gives) own nothing.
template <auto close>
struct Closer {
  template <typename T>
  void operator()(T* handle) const {
    if (handle != INVALID_HANDLE_VALUE) {
      close(handle);
    }
  }
};
template <typename T, auto close>
using Owned = std::unique_ptr<T, Closer<close>>;
using UniqueHandle = Owned<void, CloseHandle>;

// A running veltrano.exe. The destructor ends the process if it is still running, so a failed
// case leaves nothing behind.
class Program {
 public:
  // Starts `exe` with `folder` as its working directory; `arguments` follow the quoted program
  // path on the command line.
  Program(const std::string& exe, const std::string& folder, const std::string& arguments = "");
  // The same with the folder in UTF-16, for folder names outside the ANSI code page.
  Program(const std::string& exe, const std::wstring& folder, const std::string& arguments = "");
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD id() const { return id_; }
  bool running() const;
  // Fails the case unless the process ends within `patience`; returns its exit status.
  DWORD expect_exit(milliseconds patience = kPatience) const;

 private:
  UniqueHandle process_;
  DWORD id_ = 0;
};

// Ends every process whose executable is named `exe_name` (such as "veltrano.exe") and returns
// how many there were.
int kill_processes_named(const std::string& exe_name);

}  // namespace veltrano::e2e
