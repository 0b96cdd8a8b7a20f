// An operation dialog with typed input, opened through its procedure on a real temporary folder,
// and what a test reads back from it.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/posix/posix_folder.h"
#include "tests/unit/memory_dialog.h"
#include "tests/unit/temp_folder.h"

namespace veltrano::testing {

struct OpenInputDialog {
  OpenInputDialog(DialogProc proc, std::set<ControlId> edits, const std::vector<std::string>& files)
      : folder(files), dialog(proc, posix, std::move(edits)) {
    dialog.open();
  }

  // The preview by file: each old file name with the new stem that the after list gives it. The
  // listing order is the platform's, so tests compare by name. Empty when the after list is.
  std::map<std::string, std::string> preview(ControlId before, ControlId extensions,
                                             ControlId after) const {
    const auto stems = dialog.entries(before);
    const auto exts = dialog.entries(extensions);
    const auto new_stems = dialog.entries(after);
    std::map<std::string, std::string> result;
    if (new_stems.empty()) {
      return result;
    }
    EXPECT_EQ(new_stems.size(), stems.size()) << "the after list is out of step";
    for (std::size_t i = 0; i < stems.size() && i < new_stems.size(); ++i) {
      result[stems[i] + exts[i]] = new_stems[i];
    }
    return result;
  }

  // The length of the current directory's path, as the name check counts it.
  std::size_t directory_length() const { return posix.current_directory().value().size(); }

  TempFolder folder;
  PosixFolder posix;
  MemoryDialog dialog;
};

}  // namespace veltrano::testing
