// The one owner of Win32 handles, for the program and for the tools that drive it: a handle of
// any kind, given to the function that closes it exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace veltrano {

// A null handle and INVALID_HANDLE_VALUE (what a failed FindFirstFile or CreateFile gives) own
// nothing. A close that fails is reported to the debugger: nothing else can be done about it.
template <typename Handle, auto close>
class Owned {
 public:
  explicit Owned(Handle handle = nullptr) : handle_(handle) {}
  ~Owned() { reset(); }
  Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  Owned& operator=(Owned&& other) noexcept {
    if (this != &other) {
      reset(std::exchange(other.handle_, nullptr));
    }
    return *this;
  }

  explicit operator bool() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
  Handle get() const { return handle_; }
  void reset(Handle handle = nullptr) {
    if (*this && !close(handle_)) {
      OutputDebugStringA("veltrano: a handle could not be closed\n");
    }
    handle_ = handle;
  }

 private:
  Handle handle_;
};

}  // namespace veltrano
