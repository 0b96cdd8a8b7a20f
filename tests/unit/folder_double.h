// A folder in memory that finds names as Windows does, letter case aside (accented capitals
// folded by a rule of its own, not the program's), and renames as Wine does on a Linux disk: a
// rename onto the same name in another letter case reports success and changes nothing. Every
// entry has contents of its own; a name given with a final slash is a folder's.
#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "interface/folder.h"

namespace veltrano::testing {

class FolderDouble final : public Folder {
 public:
  struct Entry {
    std::string name, contents;
    bool is_directory = false;
    bool operator==(const Entry&) const = default;
  };

  explicit FolderDouble(const std::vector<std::string>& files = {}, std::string path = "C:\\F")
      : path(std::move(path)) {
    std::for_each(files.begin(), files.end(), [this](const std::string& name) { add(name); });
  }
  // Adds the entry unless its name is taken, letter case aside.
  void add(const std::string& name) {
    const bool folder = name.ends_with('/');
    if (find(name.substr(0, name.size() - folder)) == nullptr) {
      entries.push_back({name.substr(0, name.size() - folder), "contents of " + name, folder});
    }
  }
  std::vector<std::string> names() const {
    std::vector<std::string> names;
    std::transform(entries.begin(), entries.end(), std::back_inserter(names),
                   [](const Entry& entry) { return entry.name; });
    return names;
  }
  Entry* find(std::string_view name) {
    const auto fold = [](unsigned char c) {
      return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 0x20 : c + 0;
    };
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry& entry) {
      return std::equal(name.begin(), name.end(), entry.name.begin(), entry.name.end(),
                        [&](char a, char b) { return fold(a) == fold(b); });
    });
    return found == entries.end() ? nullptr : &*found;
  }

  std::optional<std::string> current_directory() const override { return path; }
  bool for_each_entry(const std::function<void(const FolderEntry&)>& visit) const override {
    visit({".", true});
    visit({"..", true});
    for (const Entry& entry : entries) {
      visit({entry.name, entry.is_directory});
    }
    return true;
  }
  // Fails for the names in `refused`.
  bool rename_no_replace(const std::string& from, const std::string& to) override {
    renamed_from.push_back(from);
    Entry* const source = find(from);
    Entry* const target = find(to);
    if (source == nullptr || (target != nullptr && target != source) || refused.contains(from)) {
      return false;
    }
    if (target == nullptr) {
      source->name = to;
    }
    return true;
  }

  std::string path;
  std::vector<Entry> entries;
  std::set<std::string> refused;
  std::vector<std::string> renamed_from;  // every rename asked for, in order
};

}  // namespace veltrano::testing
