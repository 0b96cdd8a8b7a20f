#include "engine/listing.h"

namespace veltrano {

bool for_each_listable_file(const Folder& folder,
                            const std::function<void(const StemAndExtension&)>& visit) {
  return folder.for_each_entry([&](const FolderEntry& entry) {
    if (const auto split = split_listable(entry)) {
      visit(*split);
    }
  });
}

int list_folder(Dialog& dialog, const Folder& folder, ControlId before_list,
                ControlId extension_list) {
  FrozenList frozen_before(dialog, before_list);
  FrozenList frozen_extensions(dialog, extension_list);
  for_each_listable_file(folder, [&](const StemAndExtension& file) {
    dialog.list_add(extension_list, file.extension);
    dialog.list_add(before_list, file.stem);
  });
  return 0;
}

}  // namespace veltrano
