// The program's icon at the two sizes that a window shows: the small one in its caption, the
// large one in Alt+Tab and on the taskbar.
#pragma once

#include <windows.h>

#include "platform/win32/owned_handle.h"

namespace veltrano {

// Each size loaded from the exe's own icon at the system's size, not shared: a shared icon is
// the first one loaded of that resource, whatever size is asked, so the large one could be the
// small one stretched. A window does not destroy its icons, so these must outlive the dialog
// that shows them. A size that cannot be loaded is null.
class ProgramIcons {
 public:
  explicit ProgramIcons(HINSTANCE instance);
  HICON small_icon() const { return small_.get(); }
  HICON large_icon() const { return large_.get(); }

 private:
  Owned<HICON, DestroyIcon> small_, large_;
};

}  // namespace veltrano
