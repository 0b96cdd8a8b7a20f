// A dialog held in memory, for driving the dialog procedures natively. Setting the text of one of
// its edit fields (the input fields of its controls) raises the change notification, as on
// Windows; a control that nothing enabled or disabled is neither. Typed text is cut to the field's
// limit, text set directly is not; a list is drawn at each change made with its redrawing on and
// each time its redrawing is turned back on.
#pragma once

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "interface/controls.h"
#include "interface/dialog_proc.h"
#include "tests/unit/folder_double.h"

namespace veltrano::testing {

class MemoryDialog final : public Dialog {
 public:
  MemoryDialog(DialogProc proc, Folder& folder, const OperationControls& controls = {})
      : proc_(proc), folder_(folder), edits_{controls.input, controls.second_input} {}

  void open() { proc_(*this, folder_, DialogMessage{}); }
  void command(ControlId control, int notification = 0) {
    proc_(*this, folder_, {DialogMessage::Kind::kCommand, control, notification});
  }
  // Puts `text` in a field as typing does, up to the field's limit, which raises `notification`.
  void type(ControlId edit, std::string_view text, int notification = kEditChange) {
    texts[edit] = text.substr(0, limits_.contains(edit) ? limits_.at(edit) : text.size());
    command(edit, notification);
  }
  std::optional<bool> enabled(ControlId control) const {
    return enabled_.contains(control) ? std::optional(enabled_.at(control)) : std::nullopt;
  }
  Names entries(ControlId list) const { return lists.contains(list) ? lists.at(list) : Names{}; }
  std::string shown(ControlId control) const {
    return texts.contains(control) ? texts.at(control) : "";
  }

  std::map<ControlId, Names> lists;
  std::map<ControlId, std::string> texts;
  std::map<ControlId, std::size_t> widths;  // in characters, as far as each list scrolls sideways
  std::map<ControlId, int> draws;           // how often each list was drawn
  std::optional<ControlId> focused;
  std::optional<int> end_result, quit_code;
  Names boxes;  // each message box as its caption, a colon and its text
  bool icon_shown = false, waiting = false;
  // Each progress shown as "done/total", "caption" when the caption comes back, "end" when the
  // dialog ends; a progress or the end with " wait" under the wait cursor.
  Names progress;

  void list_reset(ControlId list) override { changed(list).clear(); }
  int list_count(ControlId list) const override { return static_cast<int>(entries(list).size()); }
  std::string list_text(ControlId list, int index) const override {
    return index >= 0 && index < list_count(list) ? lists.at(list)[index] : "";
  }
  void list_add(ControlId list, std::string_view text) override {
    changed(list).emplace_back(text);
  }
  void list_freeze(ControlId list, bool frozen) override {
    draws[list] += (frozen_[list] = frozen) ? 0 : 1;  // drawn when its redrawing comes back on
  }
  void list_reserve(ControlId, std::size_t) override {}
  void list_fit_width(ControlId list, std::span<const std::string> entries) override {
    for (const std::string& entry : entries) {  // every character one unit wide
      widths[list] = std::max(widths[list], entry.size());
    }
    changed(list);
  }
  std::string text(ControlId control, std::size_t byte_limit) const override {
    return byte_limit == 0 ? "" : shown(control).substr(0, byte_limit - 1);
  }
  void set_text(ControlId control, std::string_view text) override {
    texts[control] = text;
    if (control == edits_[0] || control == edits_[1]) {
      command(control, kEditChange);
    }
  }
  void limit_text(ControlId edit, int characters) override {
    limits_[edit] = static_cast<std::size_t>(characters);
  }
  void enable(ControlId control, bool enabled) override { enabled_[control] = enabled; }
  void focus(ControlId control) override { focused = control; }
  void message_box(std::string_view text, std::string_view caption) override {
    boxes.push_back(std::string(caption) + ":" + std::string(text));
  }
  void show_program_icon() override { icon_shown = true; }
  void show_wait_cursor(bool busy) override { waiting = busy; }
  void show_progress(std::size_t done, std::size_t total) override {
    log(std::to_string(done) + "/" + std::to_string(total));
  }
  void end_progress() override { progress.push_back("caption"); }
  void end(int result) override {
    end_result = result;
    log("end");
  }
  void post_quit(int code) override { quit_code = code; }

 private:
  void log(const std::string& event) { progress.push_back(event + (waiting ? " wait" : "")); }
  Names& changed(ControlId list) {  // a change with redrawing on draws the list
    draws[list] += frozen_[list] ? 0 : 1;
    return lists[list];
  }

  DialogProc proc_;
  Folder& folder_;
  ControlId edits_[2];
  std::map<ControlId, bool> enabled_;
  std::map<ControlId, std::size_t> limits_;
  std::map<ControlId, bool> frozen_;
};

}  // namespace veltrano::testing
