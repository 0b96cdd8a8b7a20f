// What the program needs of the file system: the current directory, its entries in the
// platform's enumeration order, and a rename in it. Names are relative to the current directory.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace veltrano {

struct FolderEntry {
  std::string_view name;
  bool is_directory = false;
  // The 8.3 name that Windows gives a long name on most drives (RELAZI~1.DOC); empty when the
  // entry has none. Windows takes it as a name of the entry: no other entry can be given it.
  std::string_view short_name = {};
};

class Folder {
 public:
  virtual ~Folder() = default;

  // The current directory's path as the platform spells it; nullopt when it cannot be read.
  virtual std::optional<std::string> current_directory() const = 0;

  // Calls `visit` for every entry of the current directory, in enumeration order. A name holding
  // letters that Windows-1252 lacks comes with a question mark for each of them. Returns false
  // when the enumeration cannot be started.
  virtual bool for_each_entry(const std::function<void(const FolderEntry&)>& visit) const = 0;

  // Renames a file of the current directory with its attributes as they are, never replacing an
  // existing entry; false on failure, the file then keeps its name. A rename that only changes
  // the letter case can report success and leave the name as it was (Wine on a Linux disk).
  virtual bool rename_no_replace(const std::string& from, const std::string& to) = 0;

  // The name of the entry that `name` reaches, exactly as it stands on disk, letter case
  // included; nullopt when there is none.
  virtual std::optional<std::string> name_on_disk(const std::string& name) const = 0;
};

}  // namespace veltrano
