// A folder in memory that finds names as Windows does, letter case aside (accented capitals
// folded by a rule of its own, not the program's). A rename onto the same name in another letter
// case changes the case in one step as on Windows, or, as Wine does on a Linux disk, reports
// success and changes nothing. No call removes an entry nor moves it in the enumeration. A final
// slash makes a folder's name; "|" and a short name after the name give the entry that short name.
#pragma once

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "interface/folder.h"

namespace veltrano::testing {

using Names = std::vector<std::string>;

// Two names equal letter case aside, A-Z and the accented capitals folded.
inline bool same_name(std::string_view a, std::string_view b) {
  const auto fold = [](unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ? c + 0x20 : c + 0;
  };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return fold(x) == fold(y); });
}

class FolderDouble final : public Folder {
 public:
  enum class CaseRename { kWindows, kWine };

  explicit FolderDouble(const Names& entries = {}, std::string path = "C:\\F")
      : path(std::move(path)) {
    std::for_each(entries.begin(), entries.end(), [this](const std::string& name) { add(name); });
  }
  // Adds the entry unless its name is taken, letter case aside.
  void add(const std::string& entry) {
    const std::size_t bar = entry.find('|');
    const std::string name = entry.substr(0, std::min(entry.find('/'), bar));
    if (find(name) == names.end()) {
      names.push_back(name);
      if (entry.ends_with('/')) {
        folders.insert(name);
      }
      if (bar != std::string::npos) {
        short_names[name] = entry.substr(bar + 1);
      }
    }
  }
  Names::const_iterator find(std::string_view name) const {
    return std::ranges::find_if(names, [&](auto& entry) { return same_name(name, entry); });
  }

  std::optional<std::string> current_directory() const override { return path; }
  bool for_each_entry(const std::function<void(const FolderEntry&)>& visit) const override {
    visit({".", true});
    visit({"..", true});
    for (const std::string& name : names) {
      visit({name, folders.contains(name), short_names.contains(name) ? short_names.at(name) : ""});
    }
    return true;
  }
  // Fails for the names in `refused`.
  bool rename_no_replace(const std::string& from, const std::string& to) override {
    renamed_from.push_back(from);
    const auto source = find(from), target = find(to);
    if (source == names.end() || (target != names.end() && target != source) ||
        refused.contains(from)) {
      return false;
    }
    if (target == names.end() || case_rename == CaseRename::kWindows) {
      names[static_cast<std::size_t>(source - names.begin())] = to;
    }
    return true;
  }
  std::optional<std::string> name_on_disk(const std::string& name) const override {
    const auto found = find(name);
    return found == names.end() ? std::nullopt : std::optional(*found);
  }

  std::string path;
  Names names;  // in enumeration order
  std::set<std::string> folders, refused;
  std::map<std::string, std::string> short_names;  // by the entry's name
  CaseRename case_rename = CaseRename::kWine;
  Names renamed_from;  // every rename asked for, in order
};

}  // namespace veltrano::testing
