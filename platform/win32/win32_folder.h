// The folder over KERNEL32's wide directory enumeration and the C runtime's wide rename, names
// converted as Windows-1252. It addresses the current directory and its files by relative names
// (the pattern "*.*" and bare names), never through a path rebuilt from the directory's name,
// which may hold letters that Windows-1252 lacks.
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
