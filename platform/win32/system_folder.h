// Whether the process was started in the Windows folder or the system folder: where Wine puts a
// process whose start folder it cannot map to a drive, and where a shortcut without a start
// folder may start it. The program never works there.
#pragma once

namespace veltrano {

bool in_windows_or_system_folder();

}  // namespace veltrano
