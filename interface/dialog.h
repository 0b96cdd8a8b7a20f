// What the program needs of one open dialog: its list boxes, edit fields, static texts and buttons,
// addressed by control identifier. All of the program's data lives in these controls.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace veltrano {

using ControlId = int;

// Command identifiers and the one notification code the program reads.
inline constexpr ControlId kCommandOk = 1;
inline constexpr ControlId kCommandCancel = 2;
inline constexpr int kEditChange = 0x300;

class Dialog {
 public:
  virtual ~Dialog() = default;

  // List boxes. Entries are zero-free byte strings in Windows-1252; no list sorts.
  virtual void list_reset(ControlId list) = 0;
  virtual int list_count(ControlId list) const = 0;
  // The whole text of entry `index`; empty when there is no such entry.
  virtual std::string list_text(ControlId list, int index) const = 0;
  virtual void list_add(ControlId list, std::string_view text) = 0;
  // Switches the list's redrawing off while it is filled, and back on.
  virtual void list_freeze(ControlId list, bool frozen) = 0;
  // Makes room for `count` more entries at once, so that a list filled entry by entry is not
  // grown again and again.
  virtual void list_reserve(ControlId list, std::size_t count) = 0;
  // Lets a list scroll sideways as far as the widest of `entries` reaches, measured in the list's
  // own font, so that the end of a long name can be seen; a list whose entries all fit shows no
  // horizontal scroll bar. The reach only grows while the dialog is open, so that the scroll bar
  // does not come and go, and the list shrink, as a preview is typed. A list without a horizontal
  // scroll bar, or never shown, is not changed by it.
  virtual void list_fit_width(ControlId list, std::span<const std::string> entries) = 0;

  // Edit fields and static texts. `text` gives at most `byte_limit - 1` bytes, as a read into a
  // buffer of `byte_limit` bytes would.
  virtual std::string text(ControlId control, std::size_t byte_limit) const = 0;
  // Setting an edit field's text raises its change notification, as typing does.
  virtual void set_text(ControlId control, std::string_view text) = 0;
  virtual void limit_text(ControlId edit, int characters) = 0;

  virtual void enable(ControlId control, bool enabled) = 0;
  virtual void focus(ControlId control) = 0;

  // A modal message box owned by the dialog: OK button only, no icon.
  virtual void message_box(std::string_view text, std::string_view caption) = 0;
  // Shows the program's icon on the dialog, at the small size (its caption) and the large one
  // (Alt+Tab, the taskbar).
  virtual void show_program_icon() = 0;
  // Shows the wait cursor while `busy`, so that a long task does not look like a hang; the
  // dialog's own cursor comes back after.
  virtual void show_wait_cursor(bool busy) = 0;
  // Shows how far a long task is, `done` steps of `total`, and lets the dialog answer meanwhile
  // (paint, move, show that it is alive) while it takes no input and runs none of its commands,
  // until end_progress.
  virtual void show_progress(std::size_t done, std::size_t total) = 0;
  // Ends what show_progress began: the dialog's own caption back, its commands run again.
  virtual void end_progress() = 0;
  virtual void end(int result) = 0;
  virtual void post_quit(int code) = 0;
};

// Keeps a list's redrawing off for the lifetime of the object.
class FrozenList {
 public:
  FrozenList(Dialog& dialog, ControlId list) : dialog_(dialog), list_(list) {
    dialog_.list_freeze(list_, true);
  }
  ~FrozenList() { dialog_.list_freeze(list_, false); }
  FrozenList(const FrozenList&) = delete;
  FrozenList& operator=(const FrozenList&) = delete;

 private:
  Dialog& dialog_;
  ControlId list_;
};

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
 public:
  explicit WaitCursor(Dialog& dialog) : dialog_(dialog) { dialog_.show_wait_cursor(true); }
  ~WaitCursor() { dialog_.show_wait_cursor(false); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  Dialog& dialog_;
};

// Ends the progress shown on the dialog, if any, when the object goes.
class ProgressShown {
 public:
  explicit ProgressShown(Dialog& dialog) : dialog_(dialog) {}
  ~ProgressShown() { dialog_.end_progress(); }
  ProgressShown(const ProgressShown&) = delete;
  ProgressShown& operator=(const ProgressShown&) = delete;

 private:
  Dialog& dialog_;
};

}  // namespace veltrano
