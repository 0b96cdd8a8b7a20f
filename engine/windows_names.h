// File names as Windows reads them: letter case folded as it compares names, the names it keeps
// for devices, and the names that its path rules would read as some other name.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "interface/folder.h"

namespace veltrano {

bool same_name_ignoring_case(std::string_view a, std::string_view b);

// The entry's 8.3 short name when it holds one besides its own name: Windows takes it for the
// entry, so no other entry can be given it. Empty when the entry has none, or when it is the
// entry's own name in another case.
std::string_view other_short_name(const FolderEntry& entry);

// The name with every byte folded.
std::string folded_name(std::string_view name);

// A name that Windows keeps for a device, whatever its extension: CON, PRN, AUX, NUL, COM1 to
// COM9 and LPT1 to LPT9 (the superscript digits too), letter case aside, before the first dot and
// any blanks ahead of it.
bool is_device_name(std::string_view name);

// True when the name reaches exactly the entry that bears it: no character that the path rules
// read as a separator, a stream, a wildcard or a code-page substitute, no control byte, no
// trailing dot or blank, not a device. Other names the program never renames, nor renames to.
bool is_exact_name(std::string_view name);
// The same for the name made of `stem` and `extension` (empty, or from its dot on), without
// joining them.
bool is_exact_name(std::string_view stem, std::string_view extension);

// A name given as stem and extension, compared and hashed as one name, letter case aside.
struct SplitName {
  std::string_view stem;
  std::string_view extension;
};
struct FoldedHash {
  std::size_t operator()(const SplitName& name) const;
};
struct FoldedEqual {
  bool operator()(const SplitName& a, const SplitName& b) const;
};

}  // namespace veltrano
