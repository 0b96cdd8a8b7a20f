#include "platform/win32/dialog_procs.h"

#include <array>
#include <memory>
#include <utility>

#include "app/dispatch.h"
#include "app/main_dialog.h"
#include "interface/dialog_proc.h"
#include "platform/win32/character_widths.h"
#include "platform/win32/win32_dialog.h"
#include "platform/win32/win32_folder.h"
#include "platform/win32/win32_trace.h"

namespace veltrano {
namespace {

// The fonts of a dialog's lists are kept with the dialog, from its initialisation to its
// destruction, in the dialog's own slot for the program's use.
ListFonts* kept_fonts(HWND window) {
  return reinterpret_cast<ListFonts*>(GetWindowLongPtrW(window, DWLP_USER));
}

void keep_fonts(HWND window) {
  auto fonts = std::make_unique<ListFonts>();
  SetLastError(ERROR_SUCCESS);
  if (SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(fonts.get())) == 0 &&
      GetLastError() != ERROR_SUCCESS) {
    trace_failure("SetWindowLongPtrW");  // each change then measures the fonts anew
    return;
  }
  static_cast<void>(fonts.release());  // the dialog owns it until it is destroyed
}

void release_fonts(HWND window) {
  const std::unique_ptr<ListFonts> fonts(
      reinterpret_cast<ListFonts*>(SetWindowLongPtrW(window, DWLP_USER, 0)));
}

// Turns WM_INITDIALOG and WM_COMMAND into messages for `Proc` and returns FALSE for every
// message, so that the platform's default dialog handling always applies. The dialog's list fonts
// are kept from WM_INITDIALOG to WM_DESTROY.
template <DialogProc Proc>
INT_PTR CALLBACK forward_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) {
    keep_fonts(window);
  } else if (message == WM_DESTROY) {
    release_fonts(window);
  }
  if (message == WM_INITDIALOG || message == WM_COMMAND) {
    Win32Dialog dialog(window, kept_fonts(window));
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
