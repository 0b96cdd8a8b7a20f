// The folder over the Windows C runtime and the directory enumeration of KERNEL32.
#pragma once

#include "engine/folder.h"

namespace veltrano {

class Win32Folder final : public Folder {
 public:
  std::optional<std::string> current_directory() const override;
  bool for_each_entry(const std::function<void(const FolderEntry&)>& visit) const override;
  bool make_writable(const std::string& name) override;
  bool rename_no_replace(const std::string& from, const std::string& to) override;

 private:
  // The current directory, a backslash and `name`; `name` alone when that path does not fit
  // MAX_PATH or the directory cannot be read.
  std::string path_of(const std::string& name) const;
};

}  // namespace veltrano
