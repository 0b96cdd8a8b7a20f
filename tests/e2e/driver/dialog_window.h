// One top-level dialog of the program under test, driven from outside as a user would: read its
// lists and texts, type into its edits, press its buttons and keys.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/e2e/driver/process.h"

namespace veltrano::e2e {

class DialogWindow {
 public:
  explicit DialogWindow(HWND window) : window_(window) {}

  HWND handle() const { return window_; }
  std::string caption() const;
  // False once the dialog has been destroyed.
  bool is_open() const;
  // Fails the case unless the dialog is destroyed within `patience`.
  void wait_closed(milliseconds patience = kPatience) const;

  // Controls, by identifier. Every text is Windows-1252 bytes. A missing control fails the case.
  bool has_control(int id) const;
  std::vector<std::string> list_entries(int list) const;
  std::string text(int control) const;
  bool is_enabled(int control) const;
  bool is_visible(int control) const;

  // Types `text` into an edit one character at a time, so that every keystroke raises the edit's
  // change notification; the text goes where the caret is. Fails when a modal window covers the
  // dialog.
  void type(int edit, std::string_view text);
  // Selects the whole text of an edit and types `text` over it; an empty `text` is a Backspace
  // on the selection.
  void replace_text(int edit, std::string_view text);
  // Clicks entry `index` of a list box, as a user selects it; it must be in view.
  void select(int list, int index);
  // Clicks a button. A user cannot press a hidden or disabled button, so that fails the case.
  void press(int button);

  // Returns once the program has handled all input given before: after a message box that the
  // program opened while handling an input has closed, the program goes on with that input.
  void wait_handled() { deliver(window_, WM_NULL, 0, 0); }

  // Keys and the close box; they return at once; the caller waits for what they cause.
  void press_escape();
  void press_enter();
  void close_box();

  // For a message box: the text of its message.
  std::string message_text() const;

 private:
  HWND control(int id) const;
  // Sends a message to one of this dialog's windows and waits until it has been handled, or until
  // the dialog is closed or disabled under a modal window that the message opened.
  void deliver(HWND target, UINT message, WPARAM wparam, LPARAM lparam);
  void post_key(WPARAM key);

  HWND window_;
};

// The visible top-level window of `program` with exactly this caption, if it shows one now.
std::optional<DialogWindow> find_dialog(const Program& program, std::string_view caption);

// Waits until `program` shows a visible top-level window with exactly this caption.
DialogWindow wait_for_dialog(const Program& program, std::string_view caption,
                             milliseconds patience = kPatience);

// The captions of the visible top-level windows of `program`, in no particular order.
std::vector<std::string> open_dialogs(const Program& program);

}  // namespace veltrano::e2e
