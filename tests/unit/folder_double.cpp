#include "tests/unit/folder_double.h"

#include <algorithm>

#include "engine/windows_names.h"

namespace veltrano::testing {
namespace {

// The name as the path rules read it: either separator, trailing dots and blanks dropped.
std::string as_path(std::string name) {
  std::replace(name.begin(), name.end(), '/', '\\');
  return name.substr(0, name.find_last_not_of(". ") + 1);
}

bool reaches_no_file(const std::string& name) {
  return name.empty() || is_device_name(name) || std::any_of(name.begin(), name.end(), [](char c) {
           return (c >= 0x01 && c <= 0x1F) ||
                  std::string_view("*?\"<>|:").find(c) != std::string_view::npos;
         });
}

}  // namespace

bool FolderDouble::add(Entry entry) {
  const bool taken = std::any_of(entries_.begin(), entries_.end(), [&](const Entry& present) {
    return present.in_sub_folder == entry.in_sub_folder &&
           (mode_ == Mode::kWindows ? same_name_ignoring_case(present.name, entry.name)
                                    : present.name == entry.name);
  });
  if (!taken) {
    entries_.push_back(std::move(entry));
  }
  return !taken;
}

void FolderDouble::remove(const std::string& contents) {
  std::erase_if(entries_, [&](const Entry& entry) { return entry.contents == contents; });
}

std::string FolderDouble::shown(std::string name) {
  std::replace(name.begin(), name.end(), kLackingLetter, '?');
  return name;
}

bool FolderDouble::for_each_entry(const std::function<void(const FolderEntry&)>& visit) const {
  visit(FolderEntry{".", true});
  visit(FolderEntry{"..", true});
  for (const Entry& entry : entries_) {
    if (!entry.in_sub_folder) {
      const std::string name = shown(entry.name);
      visit(FolderEntry{name, entry.is_directory});
    }
  }
  return true;
}

FolderDouble::Lookup FolderDouble::lookup(const std::string& name, std::size_t& index) const {
  const std::string path = as_path(name);
  const bool in_sub_folder = path.find('\\') != std::string::npos;
  if (reaches_no_file(path)) {
    return Lookup::kInvalid;
  }
  const auto find = [&](auto&& same) {
    for (index = 0; index < entries_.size(); ++index) {
      if (entries_[index].in_sub_folder == in_sub_folder && same(entries_[index].name, path)) {
        return true;
      }
    }
    return false;
  };
  const bool exact = mode_ == Mode::kWineOnLinuxDisk &&
                     find([](const std::string& a, const std::string& b) { return a == b; });
  return exact || find(same_name_ignoring_case) ? Lookup::kFound : Lookup::kFree;
}

bool FolderDouble::rename_no_replace(const std::string& from, const std::string& to) {
  renamed_from.push_back(from);
  if (before_rename && !before_rename(from, to)) {
    return false;
  }
  std::size_t source = 0, target = 0;
  if (lookup(from, source) != Lookup::kFound) {
    return false;
  }
  const Lookup target_lookup = lookup(to, target);
  if (target_lookup == Lookup::kInvalid || (target_lookup == Lookup::kFound && target != source)) {
    return false;
  }
  // Onto itself: Windows changes the letter case, Wine on a case-sensitive disk changes nothing.
  if (target_lookup == Lookup::kFree || mode_ == Mode::kWindows) {
    entries_[source].name = as_path(to);
    entries_[source].in_sub_folder = entries_[source].name.find('\\') != std::string::npos;
  }
  if (after_rename) {
    after_rename(from, to);
  }
  return true;
}

}  // namespace veltrano::testing
