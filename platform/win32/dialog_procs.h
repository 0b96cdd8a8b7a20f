// The dialog procedures given to DialogBoxParamW: each one forwards the dialog's initialisation
// and its commands to the program's own procedure for that dialog. Each takes the dialog's state
// (a DialogWindowState, which must outlive the dialog) as its creation parameter.
#pragma once

#include <windows.h>

#include <cstddef>

namespace veltrano {

// The platform procedure of the main dialog.
DLGPROC main_dialog_platform_proc();

// The platform procedure of row `row` of the dispatch table; null for a row without a dialog.
DLGPROC dispatch_dialog_proc(std::size_t row);

}  // namespace veltrano
