#include "platform/win32/win32_dialog.h"

#include <algorithm>
#include <climits>
#include <string>
#include <utility>

#include "platform/win32/win32_trace.h"
#include "platform/win32/windows_1252.h"

namespace veltrano {

HWND Win32Dialog::control(ControlId id) const {
  for (const auto& [known_id, window] : controls_) {
    if (known_id == id) {
      return window;
    }
  }
  HWND window = GetDlgItem(window_, id);
  if (window == nullptr) {
    trace_failure("GetDlgItem");
    return nullptr;
  }
  controls_.emplace_back(id, window);
  return window;
}

LRESULT Win32Dialog::send(ControlId id, UINT message, WPARAM wparam, LPARAM lparam) const {
  HWND window = control(id);
  return window != nullptr ? SendMessageW(window, message, wparam, lparam) : 0;
}

const wchar_t* Win32Dialog::zero_terminated_utf16(std::string_view text) {
  to_utf16(text, scratch_);
  return scratch_.c_str();
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
  // The buffer follows the entry's own length, so no text is ever cut; it is reused from entry
  // to entry, since a list is read whole at every keystroke.
  read_scratch_.resize(static_cast<std::size_t>(length) + 1);
  const LRESULT copied = send(list, LB_GETTEXT, static_cast<WPARAM>(index),
                              reinterpret_cast<LPARAM>(read_scratch_.data()));
  if (copied < 0) {
    trace_failure("LB_GETTEXT");
    return {};
  }
  return to_windows_1252(std::wstring_view(read_scratch_.data(), static_cast<std::size_t>(copied)));
}

void Win32Dialog::list_add(ControlId list, std::string_view text) {
  const LRESULT index =
      send(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(zero_terminated_utf16(text)));
  if (index == LB_ERR || index == LB_ERRSPACE) {
    trace_failure("LB_ADDSTRING");
  }
}

void Win32Dialog::list_freeze(ControlId list, bool frozen) {
  HWND window = control(list);
  if (window == nullptr) {
    return;
  }
  SendMessageW(window, WM_SETREDRAW, frozen ? FALSE : TRUE, 0);
  // A hidden list (the extension and check lists) has nothing to repaint.
  if (!frozen && IsWindowVisible(window) &&
      !RedrawWindow(window, nullptr, nullptr,
                    RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN)) {
    trace_failure("RedrawWindow");
  }
}

void Win32Dialog::list_reserve(ControlId list, std::size_t count) {
  // The byte count is a hint for the strings; Windows takes it, Wine ignores it.
  constexpr std::size_t kTypicalEntryBytes = 32;
  const std::size_t entries =
      count > INT_MAX / kTypicalEntryBytes ? INT_MAX / kTypicalEntryBytes : count;
  if (send(list, LB_INITSTORAGE, static_cast<WPARAM>(entries),
           static_cast<LPARAM>(entries * kTypicalEntryBytes)) == LB_ERRSPACE) {
    trace_failure("LB_INITSTORAGE");  // the entries are still added one by one
  }
}

void Win32Dialog::list_fit_width(ControlId list, std::span<const std::string> entries) {
  // A list's own visible style, since the dialog may not show yet: the hidden lists never scroll.
  // The style's scroll-bar bit cannot tell which lists have one: it is off while the bar is hidden.
  HWND window = control(list);
  if (entries.empty() || window == nullptr ||
      (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) == 0) {
    return;
  }
  const CharacterWidths& widths = fonts_->widths(list, window);
  long long widest = 0;
  for (const std::string& entry : entries) {
    widest = std::max(widest, text_width(widths, entry));
  }
  // The list box draws its text a pixel in from its left edge; one pixel more keeps the last
  // letter off the right edge. A bar shows only when this reach is wider than the list.
  constexpr long long kMargin = 2;
  constexpr long long kMostPixels = SHRT_MAX;  // as far as a scroll bar reaches
  const LRESULT pixels = static_cast<LRESULT>(std::min(widest + kMargin, kMostPixels));
  if (pixels > SendMessageW(window, LB_GETHORIZONTALEXTENT, 0, 0)) {
    SendMessageW(window, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(pixels), 0);
  }
}

std::string Win32Dialog::text(ControlId control_id, std::size_t byte_limit) const {
  if (byte_limit == 0) {
    return {};
  }
  const int limit = byte_limit > INT_MAX ? INT_MAX : static_cast<int>(byte_limit);
  std::wstring wide(static_cast<std::size_t>(limit), L'\0');
  // WM_GETTEXT answers with the count of characters copied, never more than `limit - 1`; each
  // becomes one byte.
  const LRESULT copied = send(control_id, WM_GETTEXT, static_cast<WPARAM>(limit),
                              reinterpret_cast<LPARAM>(wide.data()));
  wide.resize(copied > 0 && copied < limit ? static_cast<std::size_t>(copied) : 0);
  return to_windows_1252(wide);
}

void Win32Dialog::set_text(ControlId control_id, std::string_view text) {
  if (send(control_id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(zero_terminated_utf16(text))) == 0) {
    trace_failure("WM_SETTEXT");
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
  const std::wstring title = to_utf16(caption);
  if (MessageBoxW(window_, zero_terminated_utf16(text), title.c_str(), MB_OK) == 0) {
    trace_failure("MessageBoxW");
  }
}

void Win32Dialog::show_program_icon() {
  // A dialog without an owner otherwise shows the generic icon.
  if (state_ == nullptr) {
    return;  // a dialog opened without its state keeps the generic icon
  }
  for (const auto& [kind, icon] : {std::pair{ICON_SMALL, state_->icons.small_icon()},
                                   std::pair{ICON_BIG, state_->icons.large_icon()}}) {
    if (icon != nullptr) {
      SendMessageW(window_, WM_SETICON, kind, reinterpret_cast<LPARAM>(icon));
    }
  }
}

void Win32Dialog::show_wait_cursor(bool busy) {
  // The cursor set here stays until it is set back to the dialog's own, the cursor of its window
  // class: no message is handled before a progress is shown, and then the dialog answers the
  // cursor's messages with this one.
  HCURSOR cursor = busy ? LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT))
                        : reinterpret_cast<HCURSOR>(GetClassLongPtrW(window_, GCLP_HCURSOR));
  if (cursor == nullptr) {
    trace_failure(busy ? "LoadCursorW" : "GetClassLongPtrW");
    return;
  }
  SetCursor(cursor);
}

void Win32Dialog::show_progress(std::size_t done, std::size_t total) {
  if (!progress_) {
    progress_.emplace(window_);
  }
  progress_->show(done, total);
}

void Win32Dialog::end_progress() {
  progress_.reset();
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
