#include "platform/win32/win32_progress.h"

#include "engine/decimal_text.h"
#include "interface/texts.h"
#include "platform/win32/win32_trace.h"
#include "platform/win32/windows_1252.h"

namespace veltrano {
namespace {

// The window property that marks a dialog busy. A property, not a variable: each dialog carries
// its own, and the procedure of a message handled in the middle of the task finds it there.
constexpr wchar_t kBusyProperty[] = L"veltrano.busy";

// The caption changes at most this often, in milliseconds, besides at the last step: often
// enough to see it move; more often would only cost.
constexpr ULONGLONG kShowEvery = 100;
// The waiting messages are handled at most this often, in milliseconds, besides at the last step:
// sooner than anyone can tell, and each look at the queue asks the window server (17 us under
// Wine 8), which after every file would add over one per cent to a rename of 3,000 files there.
constexpr ULONGLONG kHandleEvery = 10;

// Handles every message that waits, for every window of the thread. No IsDialogMessage: the
// dialog takes no key now. A quit message is put back for the modal loop, which ends on it.
void handle_waiting_messages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    DispatchMessageW(&message);
  }
}

}  // namespace

Win32Progress::Win32Progress(HWND dialog) : dialog_(dialog) {
  caption_.resize(static_cast<std::size_t>(GetWindowTextLengthW(dialog)) + 1);
  caption_.resize(static_cast<std::size_t>(
      GetWindowTextW(dialog, caption_.data(), static_cast<int>(caption_.size()))));
  if (!SetPropW(dialog, kBusyProperty, dialog)) {  // any handle but null marks it
    trace_failure("SetPropW");
  }
  EnableWindow(dialog, FALSE);  // answers with the previous state; it cannot fail
  ITaskbarList3* taskbar = nullptr;
  const HRESULT created =
      CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&taskbar));
  if (FAILED(created)) {
    trace_com_failure("CoCreateInstance(CLSID_TaskbarList)", created);
    return;
  }
  taskbar_.reset(taskbar);
  const HRESULT initialised = taskbar->HrInit();
  if (FAILED(initialised)) {
    trace_com_failure("ITaskbarList3::HrInit", initialised);
    taskbar_.reset();
    return;
  }
  const HRESULT state = taskbar->SetProgressState(dialog, TBPF_NORMAL);
  if (FAILED(state)) {
    trace_com_failure("ITaskbarList3::SetProgressState", state);
  }
}

Win32Progress::~Win32Progress() {
  if (taskbar_) {
    const HRESULT cleared = taskbar_.get()->SetProgressState(dialog_, TBPF_NOPROGRESS);
    if (FAILED(cleared)) {
      trace_com_failure("ITaskbarList3::SetProgressState", cleared);
    }
  }
  if (!SetWindowTextW(dialog_, caption_.c_str())) {
    trace_failure("SetWindowTextW");
  }
  EnableWindow(dialog_, TRUE);
  if (RemovePropW(dialog_, kBusyProperty) == nullptr) {
    trace_failure("RemovePropW");
  }
}

void Win32Progress::show(std::size_t done, std::size_t total) {
  const ULONGLONG now = GetTickCount64();
  const bool last = done >= total;
  if (last || now - shown_at_ >= kShowEvery) {
    shown_at_ = now;
    const std::string caption = texts::kRenameProgress + grouped_thousands(done) +
                                texts::kProgressOf + grouped_thousands(total);
    if (!SetWindowTextW(dialog_, to_utf16(caption).c_str())) {
      trace_failure("SetWindowTextW");
    }
    if (taskbar_) {
      const HRESULT set = taskbar_.get()->SetProgressValue(dialog_, done, total);
      if (FAILED(set)) {
        trace_com_failure("ITaskbarList3::SetProgressValue", set);
      }
    }
  }
  if (last || now - handled_at_ >= kHandleEvery) {
    handled_at_ = now;
    handle_waiting_messages();
  }
}

std::optional<INT_PTR> answer_while_busy(HWND dialog, UINT message) {
  if ((message != WM_COMMAND && message != WM_SETCURSOR) ||
      GetPropW(dialog, kBusyProperty) == nullptr) {
    return std::nullopt;
  }
  if (message == WM_COMMAND) {
    // Even disabled, the dialog receives a button's click sent to the button itself.
    return FALSE;
  }
  // The wait cursor, or the arrow would come back with the first move of the mouse.
  HCURSOR cursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT));
  if (cursor == nullptr) {
    trace_failure("LoadCursorW");
    return std::nullopt;
  }
  SetCursor(cursor);
  SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
  return TRUE;
}

}  // namespace veltrano
