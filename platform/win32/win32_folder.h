// The folder over KERNEL32's wide directory enumeration and rename, names converted as
// Windows-1252. Its files are reached through extended full paths built from the wide current
// directory, never through Windows-1252, which may lack letters of the directory's name, and
// never through relative names, which Windows expands and refuses at 260 characters.
#pragma once

#include <optional>
#include <string>

#include "interface/folder.h"

namespace veltrano {

class Win32Folder final : public Folder {
 public:
  std::optional<std::string> current_directory() const override;
  bool for_each_entry(const std::function<void(const FolderEntry&)>& visit) const override;
  bool rename_no_replace(const std::string& from, const std::string& to) override;
  std::optional<std::string> name_on_disk(const std::string& name) const override;

 private:
  // The extended full path of a file of the current directory; nullopt when the directory cannot
  // be read. The directory is read once.
  std::optional<std::wstring> full_path(const std::string& name) const;

  mutable std::optional<std::wstring> directory_;
};

}  // namespace veltrano
