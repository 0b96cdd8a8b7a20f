// A fresh folder made on the Linux side, for names that Win32 cannot make or read (a trailing dot,
// a backslash, names differing only in letter case, letters outside the ANSI code page). Its
// entries are made and read back by /bin/sh, which Wine starts as a Linux process; names are
// UTF-8 bytes there. Works only under Wine.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrano::e2e {

class LinuxFolder {
 public:
  LinuxFolder();
  ~LinuxFolder();
  LinuxFolder(const LinuxFolder&) = delete;
  LinuxFolder& operator=(const LinuxFolder&) = delete;

  // Makes each file (a path relative to the folder, its own folders made first) holding its
  // own name as its contents; then each folder.
  void add_files(const std::vector<std::string>& paths);
  void add_folders(const std::vector<std::string>& paths);
  // Every file below the folder as it stands now: "path=contents", sorted by bytes.
  std::vector<std::string> files() const;
  // The folder, or the sub-folder `sub` (UTF-8), as Wine's drive Z: spells it.
  std::wstring windows_path(std::string_view sub = {}) const;

 private:
  // Runs `script` in the folder with /bin/sh, and fails unless it ends with status 0.
  void run(const std::string& script) const;

  std::string path_;
};

}  // namespace veltrano::e2e
