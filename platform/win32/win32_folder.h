// The folder over the Windows C runtime and the directory enumeration of KERNEL32. It addresses
// the current directory and its files by relative names (the pattern "*.*" and bare names), never
// through a path rebuilt from the directory's ANSI name, which the code page may have changed.
#pragma once

#include "interface/folder.h"

namespace veltrano {

class Win32Folder final : public Folder {
 public:
  std::optional<std::string> current_directory() const override;
  bool for_each_entry(const std::function<void(const FolderEntry&)>& visit) const override;
  bool rename_no_replace(const std::string& from, const std::string& to) override;
};

}  // namespace veltrano
