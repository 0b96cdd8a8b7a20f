#include "engine/listing.h"

#include "engine/list_contents.h"
#include "engine/windows_names.h"

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
    if (const std::string_view short_name = other_short_name(entry);
        visit_other && !short_name.empty()) {
      visit_other(short_name);
    }
  });
}

ListedFiles gather_listable_files(const Folder& folder) {
  ListedFiles files;
  for_each_listable_file(
      folder,
      [&](const StemAndExtension& file) {
        files.stems.emplace_back(file.stem);
        files.extensions.emplace_back(file.extension);
      },
      [&](std::string_view name) { files.others.emplace_back(name); });
  return files;
}

void show_listed_files(Dialog& dialog, const ListedFiles& files, ControlId before_list,
                       ControlId extension_list, ControlId other_list) {
  append_to_list(dialog, extension_list, files.extensions);
  append_to_list(dialog, before_list, files.stems);
  if (other_list != 0) {
    append_to_list(dialog, other_list, files.others);
  }
}

int list_folder(Dialog& dialog, const Folder& folder, ControlId before_list,
                ControlId extension_list, ControlId other_list) {
  show_listed_files(dialog, gather_listable_files(folder), before_list, extension_list, other_list);
  return 0;
}

}  // namespace veltrano
