#include "engine/rename_files.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "engine/windows_names.h"

namespace veltrano {
namespace {

// How many temporary names a change of case tries before it gives up on the file.
constexpr int kTemporaryNameAttempts = 8;

// The folder's entries as one listing found them, kept up to date with every rename made since.
class FolderNames {
 public:
  explicit FolderNames(const Folder& folder) {
    folder.for_each_entry([this](const FolderEntry& entry) {
      if (entry.name != "." && entry.name != "..") {
        add(std::string(entry.name));
      }
    });
  }
  bool holds_exactly(const std::string& name) const { return exact_.count(name) != 0; }
  // How many entries bear the name, letter case aside.
  int holders(const std::string& name) const {
    const auto found = folded_.find(folded_name(name));
    return found == folded_.end() ? 0 : found->second;
  }
  void move(const std::string& from, const std::string& to) {
    exact_.erase(from);
    --folded_[folded_name(from)];
    add(to);
  }

 private:
  void add(std::string name) {
    ++folded_[folded_name(name)];
    exact_.insert(std::move(name));
  }
  std::unordered_set<std::string> exact_;
  std::unordered_map<std::string, int> folded_;
};

bool rename_tracked(Folder& folder, FolderNames& names, const std::string& from,
                    const std::string& to) {
  if (!folder.rename_no_replace(from, to)) {
    return false;
  }
  names.move(from, to);
  return true;
}

// A change of letter case only goes through a temporary name, so that it happens on file systems
// that treat the two names as one. The temporary name keeps the old name and the extension, so
// that a file that can take neither name afterwards still shows what it was.
bool change_case(Folder& folder, FolderNames& names, const std::string& old_name,
                 const std::string& new_name, const std::string& extension) {
  if (names.holders(new_name) != 1) {
    return false;  // another entry (a case variant on a case-sensitive disk) holds the new name
  }
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const std::string temporary = old_name + "~" + std::to_string(attempt) + extension;
    if (names.holders(temporary) != 0) {
      continue;
    }
    if (!rename_tracked(folder, names, old_name, temporary)) {
      return false;
    }
    if (rename_tracked(folder, names, temporary, new_name)) {
      return true;
    }
    // Back to the old name; should that be taken meanwhile, the file stays whole under the
    // temporary name, which still shows what it was.
    rename_tracked(folder, names, temporary, old_name);
    return false;
  }
  return false;
}

bool rename_file(Folder& folder, FolderNames& names, const std::string& old_name,
                 const std::string& new_name, const std::string& extension) {
  if (!is_exact_name(old_name) || !is_exact_name(new_name) || !names.holds_exactly(old_name)) {
    return false;  // the file might not be the one listed, or the new name another one
  }
  if (same_name_ignoring_case(old_name, new_name)) {
    return change_case(folder, names, old_name, new_name, extension);
  }
  return names.holders(new_name) == 0 && rename_tracked(folder, names, old_name, new_name);
}

}  // namespace

void rename_files(Folder& folder, const std::vector<std::string>& before_stems,
                  const std::vector<std::string>& extensions,
                  const std::vector<std::string>& after_stems,
                  const std::function<void(std::size_t done, std::size_t total)>& progress) {
  // Lists out of step would pair a stem with another file's extension: rename only the files
  // that all three lists describe.
  const std::size_t count = std::min({after_stems.size(), before_stems.size(), extensions.size()});
  if (count == 0) {
    return;
  }
  FolderNames names(folder);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string old_name = before_stems[i] + extensions[i];
    const std::string new_name = after_stems[i] + extensions[i];
    if (new_name != old_name) {
      rename_file(folder, names, old_name, new_name, extensions[i]);
    }
    if (progress) {
      progress(i + 1, count);
    }
  }
}

}  // namespace veltrano
