// Applying a dialog's preview to the files, and the check of new names that comes before it.
#pragma once

#include <string>
#include <vector>

#include "engine/new_name_rules.h"
#include "interface/dialog.h"
#include "interface/folder.h"

namespace veltrano {

// Renames the files by the after list (rename_files), reading the three lists once; nothing is
// renamed when their counts differ, as they do when an entry could not be added to one of them.
// Shows on the dialog how far it is after each file (Dialog::show_progress). Returns 0.
int rename_all(Dialog& dialog, Folder& folder, ControlId before_list, ControlId extension_list,
               ControlId after_list);

// The check on the present stems, extensions and new stems that the caller holds (a preview just
// built), and on the check list, which holds the names of the entries that the dialog does not
// list (list_folder's `other_list`). Shows the path-length message box itself; a clash, or new
// stems that are not one per file, is only returned.
NameProblem check_new_names(Dialog& dialog, const Folder& folder, ControlId check_list,
                            const std::vector<std::string>& before_stems,
                            const std::vector<std::string>& extensions,
                            const std::vector<std::string>& after_stems);

}  // namespace veltrano
