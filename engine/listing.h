// Filling a dialog's lists from the current directory.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/file_name.h"
#include "interface/dialog.h"
#include "interface/folder.h"

namespace veltrano {

// Calls `visit` for every listable file of the current directory, in enumeration order, and
// `visit_other` (when given) with the name of every other entry but "." and "..", and with every
// entry's short name that is not its name in another case. Returns false when the directory
// cannot be enumerated.
bool for_each_listable_file(const Folder& folder,
                            const std::function<void(const StemAndExtension&)>& visit,
                            const std::function<void(std::string_view)>& visit_other = nullptr);

// The stems and extensions of the listable files, parallel by index, in enumeration order, and
// the names of the folder's other entries ("." and ".." left out) and the entries' short names.
struct ListedFiles {
  std::vector<std::string> stems;
  std::vector<std::string> extensions;
  std::vector<std::string> others;
};
ListedFiles gather_listable_files(const Folder& folder);

// Appends `files` to the two lists, each given its whole size at once, and the other entries'
// names and the short names to `other_list` when it is not 0: the name check compares new names
// with those too.
void show_listed_files(Dialog& dialog, const ListedFiles& files, ControlId before_list,
                       ControlId extension_list, ControlId other_list = 0);

// Appends the stem of every listable file to `before_list` and its extension to
// `extension_list`, in enumeration order, and the name of every other entry and every short name
// to `other_list` when it is not 0: the name check compares new names with those too. Returns 0
// in every case.
int list_folder(Dialog& dialog, const Folder& folder, ControlId before_list,
                ControlId extension_list, ControlId other_list = 0);

}  // namespace veltrano
