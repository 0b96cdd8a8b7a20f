#include "engine/new_name_rules.h"

#include <unordered_map>
#include <unordered_set>

#include "engine/windows_names.h"

namespace veltrano {
namespace {

// The stem and extension of an entry's whole name, split at its last dot as a listed name is.
SplitName split_at_last_dot(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? SplitName{name, {}}
                                       : SplitName{name.substr(0, dot), name.substr(dot)};
}

}  // namespace

bool new_names_collide(const std::vector<std::string>& before_stems,
                       const std::vector<std::string>& extensions,
                       const std::vector<std::string>& after_stems,
                       const std::vector<std::string>& other_names) {
  const std::size_t count = before_stems.size();
  // How many entries hold each present name, letter case aside.
  std::unordered_map<SplitName, int, FoldedHash, FoldedEqual> present;
  present.reserve(count + other_names.size());
  for (std::size_t i = 0; i < count; ++i) {
    ++present[SplitName{before_stems[i], extensions[i]}];
  }
  for (const std::string& name : other_names) {
    ++present[split_at_last_dot(name)];
  }
  std::unordered_set<SplitName, FoldedHash, FoldedEqual> given;
  given.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    if (after_stems[i] == before_stems[i]) {
      continue;  // not renamed: its present name is counted above
    }
    const SplitName new_name{after_stems[i], extensions[i]};
    // The part of a name that names a device ends at its first dot, which the extension holds
    // when the stem has none: the new stem alone tells.
    if (is_device_name(after_stems[i]) || !given.insert(new_name).second) {
      return true;
    }
    const auto holders = present.find(new_name);
    const bool own_name = FoldedEqual{}(new_name, SplitName{before_stems[i], extensions[i]});
    if (holders != present.end() && holders->second > (own_name ? 1 : 0)) {
      return true;
    }
  }
  return false;
}

}  // namespace veltrano
