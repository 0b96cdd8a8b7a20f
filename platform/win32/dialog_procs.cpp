#include "platform/win32/dialog_procs.h"

#include <array>
#include <optional>
#include <utility>

#include "app/dispatch.h"
#include "app/main_dialog.h"
#include "interface/dialog_proc.h"
#include "platform/win32/dialog_window_state.h"
#include "platform/win32/win32_dialog.h"
#include "platform/win32/win32_folder.h"
#include "platform/win32/win32_progress.h"
#include "platform/win32/win32_trace.h"

namespace veltrano {
namespace {

// The dialog's state, given as its creation parameter at WM_INITDIALOG and kept in its own slot
// for every later message; null before WM_INITDIALOG, or when the slot could not be written.
DialogWindowState* dialog_state(HWND window, UINT message, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetLastError(ERROR_SUCCESS);
    if (SetWindowLongPtrW(window, DWLP_USER, lparam) == 0 && GetLastError() != ERROR_SUCCESS) {
      trace_failure("SetWindowLongPtrW");  // later messages then measure the fonts anew
    }
    return reinterpret_cast<DialogWindowState*>(lparam);
  }
  return reinterpret_cast<DialogWindowState*>(GetWindowLongPtrW(window, DWLP_USER));
}

// Turns WM_INITDIALOG and WM_COMMAND into messages for `Proc` and returns FALSE for every
// message, so that the platform's default dialog handling always applies; while a long task runs
// on the dialog, no command reaches `Proc` and the cursor stays the wait cursor.
template <DialogProc Proc>
INT_PTR CALLBACK forward_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (const std::optional<INT_PTR> answer = answer_while_busy(window, message)) {
    return *answer;
  }
  if (message == WM_INITDIALOG || message == WM_COMMAND) {
    Win32Dialog dialog(window, dialog_state(window, message, lparam));
    Win32Folder folder;
    DialogMessage forwarded;
    if (message == WM_COMMAND) {
      forwarded.kind = DialogMessage::Kind::kCommand;
      forwarded.control = LOWORD(wparam);
      forwarded.notification = HIWORD(wparam);
    }
    Proc(dialog, folder, forwarded);
  }
  return FALSE;
}

template <std::size_t Row>
constexpr DLGPROC forwarder_of_row() {
  if constexpr (kDispatchTable[Row].proc != nullptr) {
    return &forward_dialog_proc<kDispatchTable[Row].proc>;
  } else {
    return nullptr;
  }
}

template <std::size_t... Rows>
constexpr std::array<DLGPROC, sizeof...(Rows)> forwarders_of_rows(std::index_sequence<Rows...>) {
  return {forwarder_of_row<Rows>()...};
}

// Entry i forwards to the procedure of row i of the dispatch table, so rows added to the table
// get their platform procedure here without further code.
constexpr std::array<DLGPROC, kDispatchTable.size()> kDispatchForwarders =
    forwarders_of_rows(std::make_index_sequence<kDispatchTable.size()>{});

}  // namespace

DLGPROC main_dialog_platform_proc() {
  return &forward_dialog_proc<&main_dialog_proc>;
}

DLGPROC dispatch_dialog_proc(std::size_t row) {
  return row < kDispatchForwarders.size() ? kDispatchForwarders[row] : nullptr;
}

}  // namespace veltrano
