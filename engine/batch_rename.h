// Applying a dialog's preview to the files, and the check of new names that comes before it.
#pragma once

#include <string>
#include <vector>

#include "interface/dialog.h"
#include "interface/folder.h"

namespace veltrano {

// A path, its terminating zero included, must fit in this many bytes.
inline constexpr int kPathLimit = 260;

// Renames every file i whose name changes from before stem i + extension i to after stem i +
// extension i, for every entry of the after list, with its attributes as they are; files whose
// name stays are not touched. Works from one listing of the folder: a file is renamed only when
// that listing holds its exact name and no other entry holds the new name, letter case aside;
// names that the path rules would read as another name are neither renamed nor given. Never
// replaces a file; a failed rename leaves that file as it was and the others are still renamed.
// Returns 0.
int rename_all(Dialog& dialog, Folder& folder, ControlId before_list, ControlId extension_list,
               ControlId after_list);

// What is wrong with a set of new stems, if anything.
enum class NameProblem { kNone, kPathTooLong, kClash, kNothingToApply };

// `directory_length` is the length of the current directory's path. New stem i clashes when it
// equals (byte for byte) the present stem of another file j != i, or when the new names collide
// (new_names_collide) with each other, with the listed files or with `other_names`, the names of
// the folder's entries that are not listed.
NameProblem find_name_problem(std::size_t directory_length,
                              const std::vector<std::string>& before_stems,
                              const std::vector<std::string>& extensions,
                              const std::vector<std::string>& after_stems,
                              const std::vector<std::string>& other_names = {});

// The check on the present stems, extensions and new stems that the caller holds (a preview just
// built), and on the check list, which holds the names of the entries that the dialog does not
// list (list_folder's `other_list`). Shows the path-length message box itself; a clash, or new
// stems that are not one per file, is only returned.
NameProblem check_new_names(Dialog& dialog, const Folder& folder, ControlId check_list,
                            const std::vector<std::string>& before_stems,
                            const std::vector<std::string>& extensions,
                            const std::vector<std::string>& after_stems);

}  // namespace veltrano
