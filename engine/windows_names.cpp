#include "engine/windows_names.h"

#include <algorithm>
#include <array>

#include "engine/char_rule.h"

namespace veltrano {
namespace {

constexpr std::array<std::string_view, 4> kDevices = {"con", "prn", "aux", "nul"};
constexpr std::array<std::string_view, 2> kNumberedDevices = {"com", "lpt"};

bool is_device_digit(char c) {
  // 1 to 9, and the superscripts one, two and three of Windows-1252.
  return (c >= '1' && c <= '9') || c == '\xB9' || c == '\xB2' || c == '\xB3';
}

}  // namespace

unsigned char fold_case(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
    return static_cast<unsigned char>(c + 0x20);
  }
  if (c == 0x8A || c == 0x8C || c == 0x8E) {  // S, OE and Z with caron or ligature
    return static_cast<unsigned char>(c + 0x10);
  }
  if (c == 0x9F) {  // Y with diaeresis
    return 0xFF;
  }
  return c;
}

bool same_name_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return fold_case(static_cast<unsigned char>(x)) ==
                  fold_case(static_cast<unsigned char>(y));
         });
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
  if (name.empty() || name.back() == '.' || name.back() == ' ' || is_device_name(name)) {
    return false;
  }
  return std::none_of(name.begin(), name.end(),
                      [](char c) { return is_forbidden_char(static_cast<signed char>(c)) == 1; });
}

std::size_t FoldedHash::operator()(const SplitName& name) const {
  std::size_t hash = 14695981039346656037ull;  // FNV-1a
  for (const std::string_view part : {name.stem, name.extension}) {
    for (const char c : part) {
      hash = (hash ^ fold_case(static_cast<unsigned char>(c))) * 1099511628211ull;
    }
  }
  return hash;
}

bool FoldedEqual::operator()(const SplitName& a, const SplitName& b) const {
  return same_name_ignoring_case(a.stem, b.stem) &&
         same_name_ignoring_case(a.extension, b.extension);
}

}  // namespace veltrano
