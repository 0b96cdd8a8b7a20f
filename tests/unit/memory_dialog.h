// A dialog held in memory, for driving the program's dialog procedures in native tests. It
// behaves as the platform's dialog does where the logic can tell: setting an edit field's text
// raises its change notification, and typing respects the length limit of a field.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "interface/dialog.h"
#include "interface/dialog_proc.h"

namespace veltrano::testing {

class MemoryDialog final : public Dialog {
 public:
  struct MessageBox {
    std::string text;
    std::string caption;
  };

  // `edits` are the controls that raise a change notification when their text changes.
  MemoryDialog(DialogProc proc, Folder& folder, std::set<ControlId> edits = {});

  // What the user and the platform do.
  void open();
  // Clicks a button; a disabled button does nothing, as on screen. Returns whether it was enabled.
  bool press(ControlId button);
  // Replaces a field's text as typing and selecting would, within the field's length limit.
  void type(ControlId edit, std::string_view text);
  void send_command(ControlId control, int notification = 0);

  // What the test looks at.
  std::vector<std::string> entries(ControlId list) const;
  std::string shown_text(ControlId control) const;
  bool is_enabled(ControlId control) const;
  std::optional<ControlId> focused() const { return focus_; }
  std::optional<int> length_limit(ControlId edit) const;
  std::optional<int> end_result() const { return end_result_; }
  std::optional<int> quit_code() const { return quit_code_; }
  const std::vector<MessageBox>& message_boxes() const { return message_boxes_; }
  bool all_lists_redrawn() const;
  // How many times the wait cursor was shown, and whether it is shown now.
  int wait_cursors_shown() const { return wait_cursors_shown_; }
  bool wait_cursor_on() const { return wait_cursor_on_; }

  // Dialog.
  void list_reset(ControlId list) override;
  int list_count(ControlId list) const override;
  std::string list_text(ControlId list, int index) const override;
  void list_add(ControlId list, std::string_view text) override;
  void list_freeze(ControlId list, bool frozen) override;
  void list_reserve(ControlId list, std::size_t count) override;
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
  DialogProc proc_;
  Folder& folder_;
  std::set<ControlId> edits_;
  std::map<ControlId, std::vector<std::string>> lists_;
  std::map<ControlId, std::string> texts_;
  std::map<ControlId, bool> enabled_;
  std::map<ControlId, int> limits_;
  std::map<ControlId, int> freeze_depth_;
  std::optional<ControlId> focus_;
  std::optional<int> end_result_;
  std::optional<int> quit_code_;
  std::vector<MessageBox> message_boxes_;
  int wait_cursors_shown_ = 0;
  bool wait_cursor_on_ = false;
};

}  // namespace veltrano::testing
