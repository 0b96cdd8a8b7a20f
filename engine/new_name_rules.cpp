#include "engine/new_name_rules.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "engine/windows_names.h"

namespace veltrano {
namespace {

// The stem and extension of an entry's whole name, split at its last dot as a listed name is.
SplitName split_at_last_dot(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? SplitName{name, {}}
                                       : SplitName{name.substr(0, dot), name.substr(dot)};
}

// Every name the check meets, letter case aside, with how many entries hold it now and whether a
// renamed file is given it. Open addressing in one array of small slots that keep the name's hash
// and where to find the name: no allocation per name, since the check runs at every keystroke.
class NameTable {
 public:
  struct Slot {
    std::uint32_t hash = 0;
    std::int32_t name = -1;  // -1: free
    std::int32_t holders = 0;
    bool given = false;
  };

  // `name_of(i)` gives name i; at most two thirds of the slots are ever used.
  NameTable(std::size_t names, std::function<SplitName(std::size_t)> name_of)
      : slots_(std::bit_ceil(names + names / 2 + 1)), name_of_(std::move(name_of)) {}

  // The slot of name `index`, taken for it when the name is new.
  Slot& slot_of(std::size_t index) {
    const SplitName name = name_of_(index);
    const std::size_t hash = FoldedHash{}(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      Slot& slot = slots_[i];
      if (slot.name < 0) {
        slot.hash = static_cast<std::uint32_t>(hash);
        slot.name = static_cast<std::int32_t>(index);
        return slot;
      }
      if (slot.hash == static_cast<std::uint32_t>(hash) &&
          FoldedEqual{}(name_of_(static_cast<std::size_t>(slot.name)), name)) {
        return slot;
      }
    }
  }

 private:
  std::vector<Slot> slots_;
  std::function<SplitName(std::size_t)> name_of_;
};

}  // namespace

bool new_names_collide(const std::vector<std::string>& before_stems,
                       const std::vector<std::string>& extensions,
                       const std::vector<std::string>& after_stems,
                       const std::vector<std::string>& other_names) {
  // Names 0 to n - 1 are the listed files' present names, then come the other entries' names,
  // then the new names.
  const std::size_t count = before_stems.size();
  const std::size_t others = other_names.size();
  NameTable names(2 * count + others, [&](std::size_t i) {
    if (i < count) {
      return SplitName{before_stems[i], extensions[i]};
    }
    if (i < count + others) {
      return split_at_last_dot(other_names[i - count]);
    }
    return SplitName{after_stems[i - count - others], extensions[i - count - others]};
  });
  for (std::size_t i = 0; i < count + others; ++i) {
    ++names.slot_of(i).holders;
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (after_stems[i] == before_stems[i]) {
      continue;  // not renamed: its present name is counted above
    }
    // The part of a name that names a device ends at its first dot, which the extension holds
    // when the stem has none: the new stem alone tells.
    if (is_device_name(after_stems[i])) {
      return true;
    }
    NameTable::Slot& slot = names.slot_of(count + others + i);
    const bool own_name = same_name_ignoring_case(after_stems[i], before_stems[i]);
    if (slot.given || slot.holders > (own_name ? 1 : 0)) {
      return true;
    }
    slot.given = true;
  }
  return false;
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

}  // namespace veltrano
