#include "engine/listing.h"

#include <string>
#include <vector>

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

int list_folder(Dialog& dialog, const Folder& folder, ControlId before_list,
                ControlId extension_list) {
  // Gathered first, so that each list is given its whole size at once.
  std::vector<std::string> stems;
  std::vector<std::string> extensions;
  for_each_listable_file(folder, [&](const StemAndExtension& file) {
    stems.emplace_back(file.stem);
    extensions.emplace_back(file.extension);
  });
  append_to_list(dialog, extension_list, extensions);
  append_to_list(dialog, before_list, stems);
  return 0;
}

}  // namespace veltrano
