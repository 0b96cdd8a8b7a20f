// A long task on a dialog: its progress on the caption and on the taskbar button, and the dialog
// kept answering meanwhile, disabled and running none of its commands.
#pragma once

#include <windows.h>
// The taskbar's interfaces need the declarations of <windows.h> first.
#include <shobjidl.h>

#include <cstddef>
#include <optional>
#include <string>

#include "platform/win32/owned_handle.h"

namespace veltrano {

inline BOOL release_interface(IUnknown* object) {
  object->Release();
  return TRUE;
}

class Win32Progress {
 public:
  // Marks the dialog busy and disables it; its caption is kept, to be put back.
  explicit Win32Progress(HWND dialog);
  // The caption back, the taskbar button's progress cleared, the dialog enabled and no longer
  // busy.
  ~Win32Progress();
  Win32Progress(const Win32Progress&) = delete;
  Win32Progress& operator=(const Win32Progress&) = delete;

  // Shows "Rinomina in corso: done di total" at most about ten times a second, and at the last
  // step; handles the messages that wait, every few milliseconds and at the last step, so that
  // the dialog is never seen as hung.
  void show(std::size_t done, std::size_t total);

 private:
  HWND dialog_;
  std::wstring caption_;
  // Null where the interface cannot be had: the caption alone shows the progress then.
  Owned<ITaskbarList3*, release_interface> taskbar_;
  ULONGLONG shown_at_ = 0;    // GetTickCount64 when the caption last changed
  ULONGLONG handled_at_ = 0;  // and when the waiting messages were last handled
};

// The dialog procedure's answer to `message` while a progress is shown on `dialog`: a command
// runs nothing, the cursor stays the wait cursor. Nullopt for the other messages, and for a
// dialog that is not busy.
std::optional<INT_PTR> answer_while_busy(HWND dialog, UINT message);

}  // namespace veltrano
