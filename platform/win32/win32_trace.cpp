#include "platform/win32/win32_trace.h"

#include <windows.h>

#include <string>

namespace veltrano {

void trace_failure(const char* what) {
  const DWORD error = GetLastError();
  const std::string line =
      std::string("veltrano: ") + what + " failed (error " + std::to_string(error) + ")\n";
  OutputDebugStringA(line.c_str());
}

}  // namespace veltrano
