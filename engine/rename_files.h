// The batch rename itself, on the folder alone: no dialog.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "interface/folder.h"

namespace veltrano {

// Renames every file i whose name changes from before stem i + extension i to after stem i +
// extension i, with its attributes as they are; files whose name stays are not touched, and
// nothing is renamed when the three lists differ in length. Works from one listing of the folder:
// a file is renamed only when that listing holds its exact name and no other entry holds the new
// name (short names included), letter case aside; names that the path rules would read as
// another name are neither renamed nor given. Never replaces a file; a failed rename leaves that
// file as it was and the others are still renamed.
// After each file, renamed or not, `progress` (when given) learns how many of them are done and
// of how many.
void rename_files(Folder& folder, const std::vector<std::string>& before_stems,
                  const std::vector<std::string>& extensions,
                  const std::vector<std::string>& after_stems,
                  const std::function<void(std::size_t done, std::size_t total)>& progress = {});

}  // namespace veltrano
