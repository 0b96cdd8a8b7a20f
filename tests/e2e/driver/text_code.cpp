#include "tests/e2e/driver/text_code.h"

#include <windows.h>

#include "tests/e2e/driver/check.h"

namespace veltrano::e2e {

constexpr UINT kWindows1252 = 1252;

std::string to_1252(std::wstring_view text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int length =
      WideCharToMultiByte(kWindows1252, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  check(length > 0, "text does not convert to Windows-1252");
  std::string converted(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(kWindows1252, 0, text.data(), size, converted.data(), length, nullptr,
                      nullptr);
  return converted;
}

std::wstring from_1252(std::string_view text) {
  if (text.empty()) {
    return {};
  }
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(kWindows1252, 0, text.data(), size, nullptr, 0);
  check(length > 0, "text does not convert from Windows-1252");
  std::wstring converted(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(kWindows1252, 0, text.data(), size, converted.data(), length);
  return converted;
}

wchar_t from_1252(char byte) {
  return from_1252(std::string_view(&byte, 1)).at(0);
}

}  // namespace veltrano::e2e
