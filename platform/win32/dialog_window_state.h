// What the platform keeps for one open dialog, from its creation until it has ended: the program's
// icons, which a window does not destroy, and the widths of its lists' fonts, measured once. The
// caller of DialogBoxParamW owns it and gives it as the creation parameter; the dialog procedure
// keeps it in the dialog's own slot for the program's use (DWLP_USER).
#pragma once

#include <windows.h>

#include "platform/win32/character_widths.h"
#include "platform/win32/program_icons.h"

namespace veltrano {

struct DialogWindowState {
  explicit DialogWindowState(HINSTANCE instance) : icons(instance) {}

  ProgramIcons icons;
  ListFonts fonts;
};

}  // namespace veltrano
