// A folder in memory that resolves names as the platform does, in one of two modes: as Windows
// (names compared without letter case) or as Wine on a Linux disk (names differing in case can
// both exist; a lookup tries the exact name, then the name without case, and a rename that only
// changes the case reports success and changes nothing). In both, a looked-up name loses its
// trailing dots and blanks, a separator reaches into a sub-folder, and wildcards, colons, control
// bytes and device names reach no file. Faults can be injected around every rename.
#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "interface/folder.h"

namespace veltrano::testing {

class FolderDouble final : public Folder {
 public:
  enum class Mode { kWindows, kWineOnLinuxDisk };

  // Every entry has contents of its own, folders too: they tell the entries apart. A name may
  // hold kLackingLetter for a letter that the ANSI code page lacks; the enumeration shows '?'.
  struct Entry {
    std::string name;
    std::string contents;
    bool is_directory = false;
    bool read_only = false;
    bool in_sub_folder = false;  // then `name` is its path, "sub\name"; never enumerated
    bool operator==(const Entry&) const = default;
    friend void PrintTo(const Entry& entry, std::ostream* out) {
      *out << '"' << entry.name << "\" (" << entry.contents
           << (entry.read_only ? ", read-only" : "")
           << (entry.in_sub_folder ? ", in a sub-folder" : "") << ')';
    }
  };
  static constexpr char kLackingLetter = '\x01';

  FolderDouble(Mode mode, std::string directory) : mode_(mode), directory_(std::move(directory)) {}

  Mode mode() const { return mode_; }
  // Adds an entry unless its name is taken as the mode sees names; returns whether it was added.
  bool add(Entry entry);
  void remove(const std::string& contents);
  const std::vector<Entry>& entries() const { return entries_; }
  // The name that the enumeration shows for `name`.
  static std::string shown(std::string name);

  // Called before every rename; returning false refuses it.
  std::function<bool(const std::string& from, const std::string& to)> before_rename;
  // Called after every rename that succeeded.
  std::function<void(const std::string& from, const std::string& to)> after_rename;
  // The name that every rename asked for started from, in order.
  std::vector<std::string> renamed_from;

  std::optional<std::string> current_directory() const override { return directory_; }
  bool for_each_entry(const std::function<void(const FolderEntry&)>& visit) const override;
  bool rename_no_replace(const std::string& from, const std::string& to) override;

 private:
  enum class Lookup { kFound, kFree, kInvalid };
  // What `name` reaches; `index` is the entry found.
  Lookup lookup(const std::string& name, std::size_t& index) const;

  Mode mode_;
  std::string directory_;
  std::vector<Entry> entries_;
};

}  // namespace veltrano::testing
