#include "engine/rename_files.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <utility>

#include "engine/windows_names.h"

namespace veltrano {
namespace {

// How many temporary names a change of case tries before it gives up on the file.
constexpr int kTemporaryNameAttempts = 8;

// The longest name that the disks take: 255 characters on Windows' own, 255 bytes of UTF-8 on a
// Linux disk.
constexpr std::size_t kLongestName = 255;

// At most the bytes of the name in UTF-8: one for ASCII, two for the letters from 0xA0 on, three
// for the punctuation and symbols between (most of them are).
std::size_t utf8_bytes_at_most(std::string_view name) {
  std::size_t bytes = 0;
  for (const char c : name) {
    const auto byte = static_cast<unsigned char>(c);
    bytes += byte < 0x80 ? 1 : byte < 0xA0 ? 3 : 2;
  }
  return bytes;
}

// The folder's entries as one listing found them, kept up to date with every rename made since.
// A short name counts as a name held, letter case aside.
class FolderNames {
 public:
  explicit FolderNames(const Folder& folder) {
    folder.for_each_entry([this](const FolderEntry& entry) {
      if (entry.name != "." && entry.name != "..") {
        add(std::string(entry.name));
        if (const std::string_view short_name = other_short_name(entry); !short_name.empty()) {
          ++folded_[folded_name(short_name)];
        }
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

// What one batch knows: the folder's names, and whether a direct change of case still looks
// worth trying.
struct Batch {
  FolderNames names;
  bool case_changes_directly = true;
};

bool rename_tracked(Folder& folder, FolderNames& names, const std::string& from,
                    const std::string& to) {
  if (!folder.rename_no_replace(from, to)) {
    return false;
  }
  names.move(from, to);
  return true;
}

// The temporary name of a change of case: the old name, "~N" and the extension, so that a file
// left under it still shows what it was. Where that would be longer than a disk takes, it is cut
// to the old name's length: the old name's first characters, "~N" and the extension.
std::string temporary_name(const std::string& old_name, const std::string& extension, int attempt) {
  std::string mark(1, '~');
  mark += std::to_string(attempt);
  const std::string whole = old_name + mark + extension;
  if (whole.size() <= kLongestName && utf8_bytes_at_most(whole) <= kLongestName) {
    return whole;
  }
  const std::size_t kept =
      old_name.size() - std::min(old_name.size(), mark.size() + extension.size());
  return old_name.substr(0, kept) + mark + extension;
}

// A change of case through a temporary name, for disks that take the two names for one and yet
// leave a direct rename undone.
bool change_case_through_temporary(Folder& folder, FolderNames& names, const std::string& old_name,
                                   const std::string& new_name, const std::string& extension) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const std::string temporary = temporary_name(old_name, extension, attempt);
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

// A change of letter case alone goes in one step where the disk allows it (Windows' own disks
// and shares), checked on disk; otherwise through a temporary name. Once a direct rename in the
// batch has been reported done and left undone, the rest of the batch goes by temporary names at
// once: the try and the check would cost more than the detour.
bool change_case(Folder& folder, Batch& batch, const std::string& old_name,
                 const std::string& new_name, const std::string& extension) {
  if (batch.names.holders(new_name) != 1) {
    return false;  // another entry (a case variant on a case-sensitive disk) holds the new name
  }
  if (batch.case_changes_directly) {
    const bool reported = folder.rename_no_replace(old_name, new_name);
    const std::optional<std::string> on_disk = folder.name_on_disk(new_name);
    if (on_disk == new_name) {
      batch.names.move(old_name, new_name);
      return true;
    }
    if (on_disk != old_name) {
      return false;  // another program has changed the file meanwhile
    }
    batch.case_changes_directly = !reported;
  }
  return change_case_through_temporary(folder, batch.names, old_name, new_name, extension);
}

bool rename_file(Folder& folder, Batch& batch, const std::string& old_name,
                 const std::string& new_name, const std::string& extension) {
  FolderNames& names = batch.names;
  if (!is_exact_name(old_name) || !is_exact_name(new_name) || !names.holds_exactly(old_name)) {
    return false;  // the file might not be the one listed, or the new name another one
  }
  if (same_name_ignoring_case(old_name, new_name)) {
    return change_case(folder, batch, old_name, new_name, extension);
  }
  return names.holders(new_name) == 0 && rename_tracked(folder, names, old_name, new_name);
}

}  // namespace

void rename_files(Folder& folder, const std::vector<std::string>& before_stems,
                  const std::vector<std::string>& extensions,
                  const std::vector<std::string>& after_stems,
                  const std::function<void(std::size_t done, std::size_t total)>& progress) {
  // Lists out of step (an entry lost from one of them) would pair a file with another file's
  // extension or new stem: nothing is renamed.
  const std::size_t count = after_stems.size();
  if (count == 0 || before_stems.size() != count || extensions.size() != count) {
    return;
  }
  Batch batch{FolderNames(folder)};
  for (std::size_t i = 0; i < count; ++i) {
    const std::string old_name = before_stems[i] + extensions[i];
    const std::string new_name = after_stems[i] + extensions[i];
    if (new_name != old_name) {
      rename_file(folder, batch, old_name, new_name, extensions[i]);
    }
    if (progress) {
      progress(i + 1, count);
    }
  }
}

}  // namespace veltrano
