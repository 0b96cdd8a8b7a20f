#include "engine/windows_names.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "engine/characters.h"

namespace veltrano {
namespace {

constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
constexpr std::array<std::string_view, 2> kNumberedDevices = {"com", "lpt"};

bool is_device_digit(char c) {
  // 1 to 9, and the superscripts one, two and three of Windows-1252.
  return (c >= '1' && c <= '9') || c == '\xB9' || c == '\xB2' || c == '\xB3';
}

// Up to eight bytes, folded, as one word (zeros after a shorter text). Plain ASCII words fold all
// eight bytes at once: 0x20 added to every byte from 'A' to 'Z'.
std::uint64_t folded_word(std::string_view bytes) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ull;
  constexpr std::uint64_t kHighBits = 0x80 * kOnes;
  unsigned char buffer[8] = {};
  std::memcpy(buffer, bytes.data(), bytes.size());
  std::uint64_t word = 0;
  std::memcpy(&word, buffer, sizeof word);
  if ((word & kHighBits) == 0) {
    const std::uint64_t at_least_a = word + (0x80 - 'A') * kOnes;
    const std::uint64_t beyond_z = word + (0x7F - 'Z') * kOnes;
    return word | (((at_least_a ^ beyond_z) & kHighBits) >> 2);
  }
  for (unsigned char& c : buffer) {
    c = fold_case(c);
  }
  std::memcpy(&word, buffer, sizeof word);
  return word;
}

}  // namespace

bool same_name_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return fold_case(static_cast<unsigned char>(x)) ==
                  fold_case(static_cast<unsigned char>(y));
         });
}

std::string_view other_short_name(const FolderEntry& entry) {
  return same_name_ignoring_case(entry.short_name, entry.name) ? std::string_view()
                                                               : entry.short_name;
}

std::string folded_name(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) {
    c = static_cast<char>(fold_case(static_cast<unsigned char>(c)));
  }
  return folded;
}

bool is_device_name(std::string_view name) {
  std::string_view base = name.substr(0, name.find('.'));
  base = base.substr(0, base.find_last_not_of(' ') + 1);
  const auto named = [base](std::string_view device) {
    return same_name_ignoring_case(base.substr(0, device.size()), device);
  };
  if (base.size() == 3) {
    return std::any_of(kDevices.begin(), kDevices.end(), named);
  }
  return base.size() == 4 && is_device_digit(base[3]) &&
         std::any_of(kNumberedDevices.begin(), kNumberedDevices.end(), named);
}

bool is_exact_name(std::string_view name) {
  return is_exact_name(name, {});
}

bool is_exact_name(std::string_view stem, std::string_view extension) {
  const std::string_view end = extension.empty() ? stem : extension;
  // The device part ends at the name's first dot, which is the extension's when the stem has none.
  if (end.empty() || end.back() == '.' || end.back() == ' ' || is_device_name(stem)) {
    return false;
  }
  const auto allowed = [](std::string_view part) {
    return std::none_of(part.begin(), part.end(),
                        [](char c) { return is_forbidden_char(static_cast<signed char>(c)) == 1; });
  };
  return allowed(stem) && allowed(extension);
}

std::size_t FoldedHash::operator()(const SplitName& name) const {
  constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  std::uint64_t hash = name.stem.size() * kMultiplier + name.extension.size();
  for (const std::string_view part : {name.stem, name.extension}) {
    // Eight bytes at a time, folded, each word mixed in with one multiplication.
    for (std::size_t start = 0; start < part.size(); start += 8) {
      hash = (hash ^ folded_word(part.substr(start, 8))) * kMultiplier;
      hash ^= hash >> 29;
    }
  }
  return static_cast<std::size_t>(hash);
}

bool FoldedEqual::operator()(const SplitName& a, const SplitName& b) const {
  return same_name_ignoring_case(a.stem, b.stem) &&
         same_name_ignoring_case(a.extension, b.extension);
}

}  // namespace veltrano
