#include "platform/posix/posix_folder.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>

namespace veltrano {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const {
    if (closedir(dir) != 0) {
      std::perror("closedir");
    }
  }
};
using UniqueDir = std::unique_ptr<DIR, DirCloser>;

// Renames without ever replacing `to`: renameat2 where the kernel and file system have it,
// otherwise a hard link (which fails on an existing target) followed by removing the old name.
bool rename_without_replacing(const char* from, const char* to) {
#ifdef RENAME_NOREPLACE
  if (renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE) == 0) {
    return true;
  }
  if (errno != EINVAL && errno != ENOSYS && errno != ENOTSUP) {
    return false;
  }
#endif
  if (link(from, to) != 0) {
    return false;
  }
  if (unlink(from) != 0) {
    // Both names now lead to the same file: take the new one away again.
    if (unlink(to) != 0) {
      std::perror("unlink");
    }
    return false;
  }
  return true;
}

}  // namespace

std::optional<std::string> PosixFolder::current_directory() const {
  std::unique_ptr<char, decltype(&std::free)> path(getcwd(nullptr, 0), &std::free);
  if (!path) {
    return std::nullopt;
  }
  return std::string(path.get());
}

bool PosixFolder::for_each_entry(const std::function<void(const FolderEntry&)>& visit) const {
  UniqueDir dir(opendir("."));
  if (!dir) {
    return false;
  }
  while (const dirent* entry = readdir(dir.get())) {
    bool is_directory = entry->d_type == DT_DIR;
    if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
      struct stat status {};
      is_directory = stat(entry->d_name, &status) == 0 && S_ISDIR(status.st_mode);
    }
    visit(FolderEntry{entry->d_name, is_directory});
  }
  return true;
}

bool PosixFolder::rename_no_replace(const std::string& from, const std::string& to) {
  return rename_without_replacing(from.c_str(), to.c_str());
}

}  // namespace veltrano
