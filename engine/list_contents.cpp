#include "engine/list_contents.h"

#include <algorithm>

namespace veltrano {

std::vector<std::string> list_entries(const Dialog& dialog, ControlId list) {
  const int count = dialog.list_count(list);
  std::vector<std::string> entries;
  entries.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) {
    entries.push_back(dialog.list_text(list, i));
  }
  return entries;
}

namespace {

// Adds the entries at the end of a list whose redrawing is off, and lets it scroll sideways as far
// as the widest of them reaches.
void add_entries(Dialog& dialog, ControlId list, const std::vector<std::string>& entries) {
  dialog.list_reserve(list, entries.size());
  for (const std::string& entry : entries) {
    dialog.list_add(list, entry);
  }
  dialog.list_fit_width(list, entries);
}

}  // namespace

void append_to_list(Dialog& dialog, ControlId list, const std::vector<std::string>& entries) {
  FrozenList frozen(dialog, list);
  add_entries(dialog, list, entries);
}

void fill_list(Dialog& dialog, ControlId list, const std::vector<std::string>& entries) {
  // Emptied with its redrawing off too, so that its scroll bars do not go and come back.
  FrozenList frozen(dialog, list);
  dialog.list_reset(list);
  add_entries(dialog, list, entries);
}

}  // namespace veltrano
