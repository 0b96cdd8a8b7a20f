// Which directory entries the program works on, and how a file name splits into the stem that the
// operations change and the extension that they never touch.
#pragma once

#include <optional>
#include <string_view>

#include "interface/folder.h"

namespace veltrano {

struct StemAndExtension {
  std::string_view stem;       // up to the last dot; may be empty (".profile")
  std::string_view extension;  // from the last dot on, dot included
};

// 0 when the extension (dot included) is one of the excluded ones, ignoring ASCII case; 1
// otherwise.
int extension_allowed(std::string_view extension);

// The stem and extension of a listable file: not "." or "..", not a directory, a dot in its
// name, an allowed extension. nullopt for every other entry.
std::optional<StemAndExtension> split_listable(const FolderEntry& entry);

}  // namespace veltrano
