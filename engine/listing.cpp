#include "engine/listing.h"

#include "engine/list_contents.h"

namespace veltrano {

bool for_each_listable_file(const Folder& folder,
                            const std::function<void(const StemAndExtension&)>& visit) {
  return folder.for_each_entry([&](const FolderEntry& entry) {
    if (const auto split = split_listable(entry)) {
      visit(*split);
    }
  });
}

ListedFiles gather_listable_files(const Folder& folder) {
  ListedFiles files;
  for_each_listable_file(folder, [&](const StemAndExtension& file) {
    files.stems.emplace_back(file.stem);
    files.extensions.emplace_back(file.extension);
  });
  return files;
}

void show_listed_files(Dialog& dialog, const ListedFiles& files, ControlId before_list,
                       ControlId extension_list) {
  append_to_list(dialog, extension_list, files.extensions);
  append_to_list(dialog, before_list, files.stems);
}

int list_folder(Dialog& dialog, const Folder& folder, ControlId before_list,
                ControlId extension_list) {
  show_listed_files(dialog, gather_listable_files(folder), before_list, extension_list);
  return 0;
}

}  // namespace veltrano
