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
  // existing entry; false on failure, the file then keeps its name.
  virtual bool rename_no_replace(const std::string& from, const std::string& to) = 0;
};

}  // namespace veltrano
