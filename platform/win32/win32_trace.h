// Failures that the program does not show to the user still leave a trace for a debugger.
#pragma once

namespace veltrano {

// Sends "veltrano: <what> failed (error N)" with the thread's last error to the debugger.
void trace_failure(const char* what);
// Sends "veltrano: <what> failed (HRESULT 0x...)" to the debugger, for a COM call.
void trace_com_failure(const char* what, long result);

}  // namespace veltrano
