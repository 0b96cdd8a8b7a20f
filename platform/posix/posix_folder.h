// The folder over POSIX calls: lets the program's logic run natively on real directories.
#pragma once

#include "interface/folder.h"

namespace veltrano {

class PosixFolder final : public Folder {
 public:
  std::optional<std::string> current_directory() const override;
  bool for_each_entry(const std::function<void(const FolderEntry&)>& visit) const override;
  bool rename_no_replace(const std::string& from, const std::string& to) override;
};

}  // namespace veltrano
