// Filling a dialog's lists from the current directory.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/dialog.h"
#include "engine/file_name.h"
#include "engine/folder.h"

namespace veltrano {

// Calls `visit` for every listable file of the current directory, in enumeration order. Returns
// false when the directory cannot be enumerated.
bool for_each_listable_file(const Folder& folder,
                            const std::function<void(const StemAndExtension&)>& visit);

// The stems and extensions of the listable files, parallel by index, in enumeration order.
struct ListedFiles {
  std::vector<std::string> stems;
  std::vector<std::string> extensions;
};
ListedFiles gather_listable_files(const Folder& folder);

// Appends `files` to the two lists, each given its whole size at once.
void show_listed_files(Dialog& dialog, const ListedFiles& files, ControlId before_list,
                       ControlId extension_list);

// Appends the stem of every listable file to `before_list` and its extension to
// `extension_list`, in enumeration order. Returns 0 in every case.
int list_folder(Dialog& dialog, const Folder& folder, ControlId before_list,
                ControlId extension_list);

}  // namespace veltrano
