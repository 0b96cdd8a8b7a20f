// The dialog over a real Win32 dialog window, through the ANSI functions.
#pragma once

#include <windows.h>

#include "engine/dialog.h"

namespace veltrano {

class Win32Dialog final : public Dialog {
 public:
  explicit Win32Dialog(HWND window) : window_(window) {}

  void list_reset(ControlId list) override;
  int list_count(ControlId list) const override;
  std::string list_text(ControlId list, int index) const override;
  void list_add(ControlId list, std::string_view text) override;
  bool list_insert(ControlId list, int index, std::string_view text) override;
  void list_freeze(ControlId list, bool frozen) override;

  std::string text(ControlId control, std::size_t byte_limit) const override;
  void set_text(ControlId control, std::string_view text) override;
  void limit_text(ControlId edit, int characters) override;

  void enable(ControlId control, bool enabled) override;
  void focus(ControlId control) override;

  void message_box(std::string_view text, std::string_view caption) override;
  void show_wait_cursor(bool busy) override;
  void end(int result) override;
  void post_quit(int code) override;

 private:
  // The control's window; null (with a debug trace) when the dialog has no such control.
  HWND control(ControlId id) const;
  LRESULT send(ControlId id, UINT message, WPARAM wparam, LPARAM lparam) const;

  HWND window_;
};

}  // namespace veltrano
