#include "tests/unit/memory_dialog.h"

#include <algorithm>

namespace veltrano::testing {

MemoryDialog::MemoryDialog(DialogProc proc, Folder& folder, std::set<ControlId> edits)
    : proc_(proc), folder_(folder), edits_(std::move(edits)) {}

void MemoryDialog::open() {
  proc_(*this, folder_, DialogMessage{});
}

bool MemoryDialog::press(ControlId button) {
  if (!is_enabled(button)) {
    return false;
  }
  send_command(button);
  return true;
}

void MemoryDialog::type(ControlId edit, std::string_view text) {
  const auto limit = length_limit(edit);
  if (limit && text.size() > static_cast<std::size_t>(*limit)) {
    text = text.substr(0, static_cast<std::size_t>(*limit));
  }
  set_text(edit, text);
}

void MemoryDialog::send_command(ControlId control, int notification) {
  proc_(*this, folder_, DialogMessage{DialogMessage::Kind::kCommand, control, notification});
}

std::vector<std::string> MemoryDialog::entries(ControlId list) const {
  const auto found = lists_.find(list);
  return found == lists_.end() ? std::vector<std::string>{} : found->second;
}

std::string MemoryDialog::shown_text(ControlId control) const {
  const auto found = texts_.find(control);
  return found == texts_.end() ? std::string{} : found->second;
}

bool MemoryDialog::is_enabled(ControlId control) const {
  const auto found = enabled_.find(control);
  return found == enabled_.end() || found->second;
}

std::optional<int> MemoryDialog::length_limit(ControlId edit) const {
  const auto found = limits_.find(edit);
  return found == limits_.end() ? std::nullopt : std::optional<int>(found->second);
}

bool MemoryDialog::all_lists_redrawn() const {
  return std::all_of(freeze_depth_.begin(), freeze_depth_.end(),
                     [](const auto& entry) { return entry.second == 0; });
}

void MemoryDialog::list_reset(ControlId list) {
  lists_[list].clear();
}

int MemoryDialog::list_count(ControlId list) const {
  return static_cast<int>(entries(list).size());
}

std::string MemoryDialog::list_text(ControlId list, int index) const {
  const auto found = lists_.find(list);
  if (found == lists_.end() || index < 0 ||
      static_cast<std::size_t>(index) >= found->second.size()) {
    return {};
  }
  return found->second[static_cast<std::size_t>(index)];
}

void MemoryDialog::list_add(ControlId list, std::string_view text) {
  lists_[list].emplace_back(text);
}

void MemoryDialog::list_reserve(ControlId list, std::size_t count) {
  auto& entries = lists_[list];
  entries.reserve(entries.size() + count);
}

void MemoryDialog::list_freeze(ControlId list, bool frozen) {
  freeze_depth_[list] += frozen ? 1 : -1;
}

std::string MemoryDialog::text(ControlId control, std::size_t byte_limit) const {
  if (byte_limit == 0) {
    return {};
  }
  return shown_text(control).substr(0, byte_limit - 1);
}

void MemoryDialog::set_text(ControlId control, std::string_view text) {
  texts_[control] = std::string(text);
  if (edits_.count(control) != 0) {
    send_command(control, kEditChange);
  }
}

void MemoryDialog::limit_text(ControlId edit, int characters) {
  limits_[edit] = characters;
}

void MemoryDialog::enable(ControlId control, bool enabled) {
  enabled_[control] = enabled;
}

void MemoryDialog::focus(ControlId control) {
  focus_ = control;
}

void MemoryDialog::message_box(std::string_view text, std::string_view caption) {
  message_boxes_.push_back({std::string(text), std::string(caption)});
}

void MemoryDialog::show_wait_cursor(bool busy) {
  wait_cursors_shown_ += busy ? 1 : 0;
  wait_cursor_on_ = busy;
}

void MemoryDialog::end(int result) {
  end_result_ = result;
}

void MemoryDialog::post_quit(int code) {
  quit_code_ = code;
}

}  // namespace veltrano::testing
