// The dialog over a real Win32 dialog window, through the wide functions: texts cross into
// UTF-16 and back as Windows-1252.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "interface/dialog.h"
#include "platform/win32/dialog_window_state.h"
#include "platform/win32/win32_progress.h"

namespace veltrano {

class Win32Dialog final : public Dialog {
 public:
  // `state`, when given, keeps the program's icons and the widths of the lists' fonts for as long
  // as the dialog is open; without it the widths are kept for the lifetime of this object, and
  // no icon is shown.
  explicit Win32Dialog(HWND window, DialogWindowState* state = nullptr)
      : window_(window), state_(state), fonts_(state != nullptr ? &state->fonts : &own_fonts_) {}
  Win32Dialog(const Win32Dialog&) = delete;
  Win32Dialog& operator=(const Win32Dialog&) = delete;

  void list_reset(ControlId list) override;
  int list_count(ControlId list) const override;
  std::string list_text(ControlId list, int index) const override;
  void list_add(ControlId list, std::string_view text) override;
  void list_freeze(ControlId list, bool frozen) override;
  void list_reserve(ControlId list, std::size_t count) override;
  void list_fit_width(ControlId list, std::span<const std::string> entries) override;

  std::string text(ControlId control, std::size_t byte_limit) const override;
  void set_text(ControlId control, std::string_view text) override;
  void limit_text(ControlId edit, int characters) override;

  void enable(ControlId control, bool enabled) override;
  void focus(ControlId control) override;

  void message_box(std::string_view text, std::string_view caption) override;
  void show_program_icon() override;
  void show_wait_cursor(bool busy) override;
  void show_progress(std::size_t done, std::size_t total) override;
  void end_progress() override;
  void end(int result) override;
  void post_quit(int code) override;

 private:
  // The control's window; null (with a debug trace) when the dialog has no such control. Each
  // control is looked up once: under Wine every lookup asks the Wine server, which would cost more
  // than the message itself when a list is read or filled entry by entry.
  HWND control(ControlId id) const;
  // Sends a message to a control through its kept window; 0 when there is no such control.
  LRESULT send(ControlId id, UINT message, WPARAM wparam, LPARAM lparam) const;

  // `text` in UTF-16 with a terminating zero, in a buffer reused from call to call.
  const wchar_t* zero_terminated_utf16(std::string_view text);

  HWND window_;
  DialogWindowState* state_;
  ListFonts own_fonts_;
  ListFonts* fonts_;
  mutable std::vector<std::pair<ControlId, HWND>> controls_;
  std::wstring scratch_;
  mutable std::wstring read_scratch_;
  // From the first progress shown to its end; the messages handled meanwhile find the dialog
  // busy through the window.
  std::optional<Win32Progress> progress_;
};

}  // namespace veltrano
