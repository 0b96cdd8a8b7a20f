// The program under test as a child process: started in a given folder, waited for, and never
// left running.
#pragma once

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace veltrano::e2e {

using std::chrono::milliseconds;

// How long the driver waits for anything the program should do at once.
inline constexpr milliseconds kPatience{10000};

// Owns one kernel handle and closes it exactly once.
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset(other.release());
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  HANDLE get() const { return handle_; }
  HANDLE release() {
    HANDLE handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  void reset(HANDLE handle = nullptr) {
    if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
      CloseHandle(handle_);
    }
    handle_ = handle;
  }

 private:
  HANDLE handle_ = nullptr;
};

// A running veltrano.exe. The destructor ends the process if it is still running, so a failed
// case leaves nothing behind.
class Program {
 public:
  // Starts `exe` with `folder` as its working directory; `arguments` follow the quoted program
  // path on the command line.
  Program(const std::string& exe, const std::string& folder, const std::string& arguments = "");
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD id() const { return id_; }
  bool running() const;
  // The exit status, or nullopt when the process is still running after `patience`.
  std::optional<DWORD> wait_exit(milliseconds patience = kPatience) const;
  // Fails the case unless the process ends within `patience`; returns its exit status.
  DWORD expect_exit(milliseconds patience = kPatience) const;
  void kill();

 private:
  UniqueHandle process_;
  DWORD id_ = 0;
};

// Ends every process whose executable is named `exe_name` (such as "veltrano.exe") and returns
// how many there were.
int kill_processes_named(const std::string& exe_name);

}  // namespace veltrano::e2e
