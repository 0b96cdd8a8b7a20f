#include "platform/win32/win32_trace.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace veltrano {

void trace_failure(const char* what) {
  const DWORD error = GetLastError();
  const std::string line =
      std::string("veltrano: ") + what + " failed (error " + std::to_string(error) + ")\n";
  OutputDebugStringA(line.c_str());
}

void trace_com_failure(const char* what, long result) {
  char code[16];
  std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(result));
  const std::string line = std::string("veltrano: ") + what + " failed (HRESULT " + code + ")\n";
  OutputDebugStringA(line.c_str());
}

}  // namespace veltrano
