#include "engine/batch_rename.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "engine/list_contents.h"
#include "engine/new_name_rules.h"
#include "interface/texts.h"
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

int rename_all(Dialog& dialog, Folder& folder, ControlId before_list, ControlId extension_list,
               ControlId after_list) {
  // Lists out of step would pair a stem with another file's extension: rename only the files
  // that all three lists describe.
  const int count = std::min({dialog.list_count(after_list), dialog.list_count(before_list),
                              dialog.list_count(extension_list)});
  if (count <= 0) {
    return 0;
  }
  FolderNames names(folder);
  for (int i = 0; i < count; ++i) {
    const std::string extension = dialog.list_text(extension_list, i);
    const std::string old_name = dialog.list_text(before_list, i) + extension;
    const std::string new_name = dialog.list_text(after_list, i) + extension;
    if (new_name != old_name) {
      rename_file(folder, names, old_name, new_name, extension);
    }
  }
  return 0;
}

NameProblem find_name_problem(std::size_t directory_length,
                              const std::vector<std::string>& before_stems,
                              const std::vector<std::string>& extensions,
                              const std::vector<std::string>& after_stems,
                              const std::vector<std::string>& other_names) {
  const std::size_t count = before_stems.size();
  if (after_stems.size() != count || extensions.size() != count) {
    return NameProblem::kNothingToApply;
  }
  // The directory, a separator, the new stem, the extension and the terminating zero.
  for (std::size_t i = 0; i < count; ++i) {
    if (directory_length + 1 + after_stems[i].size() + extensions[i].size() + 1 >
        static_cast<std::size_t>(kPathLimit)) {
      return NameProblem::kPathTooLong;
    }
  }
  std::unordered_map<std::string_view, int> present_stems;
  present_stems.reserve(count);
  for (const std::string& stem : before_stems) {
    ++present_stems[stem];
  }
  for (std::size_t i = 0; i < count; ++i) {
    const auto found = present_stems.find(after_stems[i]);
    if (found == present_stems.end()) {
      continue;
    }
    // A file that keeps its own stem does not clash with itself.
    const int held_by_others = found->second - (after_stems[i] == before_stems[i] ? 1 : 0);
    if (held_by_others > 0) {
      return NameProblem::kClash;
    }
  }
  return new_names_collide(before_stems, extensions, after_stems, other_names) ? NameProblem::kClash
                                                                               : NameProblem::kNone;
}

NameProblem check_new_names(Dialog& dialog, const Folder& folder, ControlId check_list,
                            const std::vector<std::string>& before_stems,
                            const std::vector<std::string>& extensions,
                            const std::vector<std::string>& after_stems) {
  const std::size_t directory_length = folder.current_directory().value_or("").size();
  const NameProblem problem = find_name_problem(directory_length, before_stems, extensions,
                                                after_stems, list_entries(dialog, check_list));
  if (problem == NameProblem::kPathTooLong) {
    dialog.message_box(texts::kPathTooLong, texts::kPathTooLongCaption);
  }
  return problem;
}

}  // namespace veltrano
