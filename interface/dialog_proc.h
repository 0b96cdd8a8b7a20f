// The shape of every dialog's logic: one procedure that receives the dialog's initialisation and
// its commands, with the dialog and the folder it works on.
#pragma once

#include "interface/dialog.h"
#include "interface/folder.h"

namespace veltrano {

struct DialogMessage {
  enum class Kind { kInitialise, kCommand };
  Kind kind = Kind::kInitialise;
  ControlId control = 0;  // for commands: the low word of wParam
  int notification = 0;   // for commands: the high word of wParam
};

using DialogProc = void (*)(Dialog& dialog, Folder& folder, const DialogMessage& message);

}  // namespace veltrano
