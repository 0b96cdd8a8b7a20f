// Reading a path that a Win32 getter writes into a caller's buffer of UTF-16 characters.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/win32_trace.h"

namespace veltrano {

// The path that `get(buffer, size)` gives, however long; nullopt (with a debug trace naming
// `what`) when it cannot be read. The getter answers as Win32's do: the length written, or the
// size needed when the buffer is too small, or 0 on failure.
template <typename Getter>
std::optional<std::wstring> read_wide_path(Getter get, const char* what) {
  std::wstring path(MAX_PATH, L'\0');
  auto length = get(path.data(), static_cast<UINT>(path.size()));
  if (length >= path.size()) {
    path.resize(length);
    length = get(path.data(), static_cast<UINT>(path.size()));
  }
  if (length == 0 || length >= path.size()) {
    trace_failure(what);
    return std::nullopt;
  }
  path.resize(length);
  return path;
}

}  // namespace veltrano
