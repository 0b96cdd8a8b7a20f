// Applying a dialog's preview to the files, and the check of new names that comes before it.
#pragma once

#include <string>
#include <vector>

#include "engine/dialog.h"
#include "engine/folder.h"

namespace veltrano {

// A path, its terminating zero included, must fit in this many bytes.
inline constexpr int kPathLimit = 260;

// Renames every file i from before stem i + extension i to after stem i + extension i, for every
// entry of the after list, after clearing its read-only attribute. Never replaces a file; a
// failed rename leaves that file as it was and the others are still renamed. Returns 0.
int rename_all(Dialog& dialog, Folder& folder, ControlId before_list, ControlId extension_list,
               ControlId after_list);

// Gives one file a new name in the current directory, never replacing another file. A change of
// letter case only goes through a temporary name, so that it happens on file systems that treat
// such names as one; if the last step fails the file gets its old name back. True on success.
bool rename_file(Folder& folder, const std::string& old_name, const std::string& new_name);

// What is wrong with a set of new stems, if anything.
enum class NameProblem { kNone, kPathTooLong, kClash, kNothingToApply };

// `directory_length` is the length of the current directory's path. New stem i clashes when it
// equals (byte for byte) the present stem of another file j != i.
NameProblem find_name_problem(std::size_t directory_length,
                              const std::vector<std::string>& before_stems,
                              const std::vector<std::string>& extensions,
                              const std::vector<std::string>& after_stems);

// 1 when the after list may be applied, 0 when not. Shows the path-length message box itself; a
// clash, or an after list that does not hold one stem per file, is only returned.
int check_new_names(Dialog& dialog, const Folder& folder, ControlId before_list,
                    ControlId after_list, ControlId check_list, ControlId extension_list);

// The same check on the present and new stems that the caller already holds, so that a preview
// just built is not read back from its lists.
int check_new_stems(Dialog& dialog, const Folder& folder, ControlId check_list,
                    ControlId extension_list, const std::vector<std::string>& before_stems,
                    const std::vector<std::string>& after_stems);

}  // namespace veltrano
