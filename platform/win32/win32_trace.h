// Failures that the program does not show to the user still leave a trace for a debugger.
#pragma once

namespace veltrano {

// Sends "veltrano: <what> failed (error N)" with the thread's last error to the debugger.
void trace_failure(const char* what);

}  // namespace veltrano
