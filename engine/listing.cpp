#include "engine/listing.h"

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
  FrozenList frozen_before(dialog, before_list);
  FrozenList frozen_extensions(dialog, extension_list);
  const auto add_other = [&](std::string_view name) { dialog.list_add(other_list, name); };
  for_each_listable_file(
      folder,
      [&](const StemAndExtension& file) {
        dialog.list_add(extension_list, file.extension);
        dialog.list_add(before_list, file.stem);
      },
      other_list != 0 ? std::function<void(std::string_view)>(add_other) : nullptr);
  return 0;
}

}  // namespace veltrano
