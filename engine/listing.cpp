#include "engine/listing.h"

#include <string>
#include <vector>

#include "engine/list_contents.h"

namespace veltrano {

bool for_each_listable_file(const Folder& folder,
                            const std::function<void(const StemAndExtension&)>& visit,
                            const std::function<void(std::string_view)>& visit_other) {
  return folder.for_each_entry([&](const FolderEntry& entry) {
    if (const auto split = split_listable(entry)) {
      visit(*split);
    } else if (visit_other && entry.name != "." && entry.name != "..") {
      visit_other(entry.name);
    }
  });
}

int list_folder(Dialog& dialog, const Folder& folder, ControlId before_list,
                ControlId extension_list, ControlId other_list) {
  // Gathered first, so that each list is given its whole size at once.
  std::vector<std::string> stems;
  std::vector<std::string> extensions;
  std::vector<std::string> others;
  for_each_listable_file(
      folder,
      [&](const StemAndExtension& file) {
        stems.emplace_back(file.stem);
        extensions.emplace_back(file.extension);
      },
      other_list != 0 ? std::function<void(std::string_view)>(
                            [&](std::string_view name) { others.emplace_back(name); })
                      : nullptr);
  append_to_list(dialog, extension_list, extensions);
  append_to_list(dialog, before_list, stems);
  if (other_list != 0) {
    append_to_list(dialog, other_list, others);  // the name check compares new names with these
  }
  return 0;
}

}  // namespace veltrano
