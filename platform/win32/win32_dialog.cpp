#include "platform/win32/win32_dialog.h"

#include <climits>
#include <string>

#include "platform/win32/win32_trace.h"

namespace veltrano {

HWND Win32Dialog::control(ControlId id) const {
  HWND window = GetDlgItem(window_, id);
  if (window == nullptr) {
    trace_failure("GetDlgItem");
  }
  return window;
}

LRESULT Win32Dialog::send(ControlId id, UINT message, WPARAM wparam, LPARAM lparam) const {
  return SendDlgItemMessageA(window_, id, message, wparam, lparam);
}

void Win32Dialog::list_reset(ControlId list) {
  send(list, LB_RESETCONTENT, 0, 0);
}

int Win32Dialog::list_count(ControlId list) const {
  const LRESULT count = send(list, LB_GETCOUNT, 0, 0);
  if (count < 0) {
    trace_failure("LB_GETCOUNT");
    return 0;
  }
  return static_cast<int>(count);
}

std::string Win32Dialog::list_text(ControlId list, int index) const {
  const LRESULT length = send(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) {
    return {};  // no such entry
  }
  // The buffer follows the entry's own length, so no text is ever cut.
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied =
      send(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  if (copied < 0) {
    trace_failure("LB_GETTEXT");
    return {};
  }
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

void Win32Dialog::list_add(ControlId list, std::string_view text) {
  const std::string entry(text);
  const LRESULT index = send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
  if (index == LB_ERR || index == LB_ERRSPACE) {
    trace_failure("LB_ADDSTRING");
  }
}

bool Win32Dialog::list_insert(ControlId list, int index, std::string_view text) {
  const std::string entry(text);
  const LRESULT inserted = send(list, LB_INSERTSTRING, static_cast<WPARAM>(index),
                                reinterpret_cast<LPARAM>(entry.c_str()));
  return inserted != LB_ERR && inserted != LB_ERRSPACE;
}

void Win32Dialog::list_freeze(ControlId list, bool frozen) {
  HWND window = control(list);
  if (window == nullptr) {
    return;
  }
  SendMessageA(window, WM_SETREDRAW, frozen ? FALSE : TRUE, 0);
  if (!frozen && !RedrawWindow(window, nullptr, nullptr,
                               RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN)) {
    trace_failure("RedrawWindow");
  }
}

std::string Win32Dialog::text(ControlId control_id, std::size_t byte_limit) const {
  if (byte_limit == 0) {
    return {};
  }
  const int limit = byte_limit > INT_MAX ? INT_MAX : static_cast<int>(byte_limit);
  std::string text(static_cast<std::size_t>(limit), '\0');
  SetLastError(ERROR_SUCCESS);
  const UINT copied = GetDlgItemTextA(window_, control_id, text.data(), limit);
  if (copied == 0 && GetLastError() != ERROR_SUCCESS) {
    trace_failure("GetDlgItemTextA");
  }
  text.resize(copied);
  return text;
}

void Win32Dialog::set_text(ControlId control_id, std::string_view text) {
  const std::string value(text);
  if (!SetDlgItemTextA(window_, control_id, value.c_str())) {
    trace_failure("SetDlgItemTextA");
  }
}

void Win32Dialog::limit_text(ControlId edit, int characters) {
  send(edit, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void Win32Dialog::enable(ControlId control_id, bool enabled) {
  // EnableWindow answers with the previous state; the only failure is a missing control.
  if (HWND window = control(control_id)) {
    EnableWindow(window, enabled ? TRUE : FALSE);
  }
}

void Win32Dialog::focus(ControlId control_id) {
  HWND window = control(control_id);
  if (window == nullptr) {
    return;
  }
  SetLastError(ERROR_SUCCESS);
  if (SetFocus(window) == nullptr && GetLastError() != ERROR_SUCCESS) {
    trace_failure("SetFocus");
  }
}

void Win32Dialog::message_box(std::string_view text, std::string_view caption) {
  const std::string message(text);
  const std::string title(caption);
  if (MessageBoxA(window_, message.c_str(), title.c_str(), MB_OK) == 0) {
    trace_failure("MessageBoxA");
  }
}

void Win32Dialog::show_wait_cursor(bool busy) {
  // No message is handled while the dialog is busy, so the cursor set here stays until it is set
  // back to the dialog's own, the cursor of its window class.
  HCURSOR cursor = busy ? LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT))
                        : reinterpret_cast<HCURSOR>(GetClassLongPtrA(window_, GCLP_HCURSOR));
  if (cursor == nullptr) {
    trace_failure(busy ? "LoadCursorA" : "GetClassLongPtrA");
    return;
  }
  SetCursor(cursor);
}

void Win32Dialog::end(int result) {
  if (!EndDialog(window_, result)) {
    trace_failure("EndDialog");
  }
}

void Win32Dialog::post_quit(int code) {
  PostQuitMessage(code);
}

}  // namespace veltrano
