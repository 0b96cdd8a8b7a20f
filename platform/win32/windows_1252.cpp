#include "platform/win32/windows_1252.h"

#include <windows.h>

#include <algorithm>
#include <climits>
#include <type_traits>

#include "platform/win32/win32_trace.h"

namespace veltrano {
namespace {

constexpr UINT kWindows1252 = 1252;

// Plain ASCII is the same in both encodings, and most names and texts are plain ASCII: they are
// copied without a call.
template <typename From, typename To>
bool copy_if_ascii(const From& from, To& to) {
  const auto ascii = [](auto c) {
    return static_cast<std::make_unsigned_t<decltype(c)>>(c) < 0x80;
  };
  if (!std::all_of(from.begin(), from.end(), ascii)) {
    return false;
  }
  to.assign(from.size(), 0);
  std::transform(from.begin(), from.end(), to.begin(),
                 [](auto c) { return static_cast<typename To::value_type>(c); });
  return true;
}

}  // namespace

void to_utf16(std::string_view text, std::wstring& wide) {
  if (copy_if_ascii(text, wide)) {
    return;
  }
  // One UTF-16 character per byte: Windows-1252 has no byte sequences.
  const int length = text.size() > INT_MAX ? INT_MAX : static_cast<int>(text.size());
  wide.assign(static_cast<std::size_t>(length), L'\0');
  const int converted =
      MultiByteToWideChar(kWindows1252, 0, text.data(), length, wide.data(), length);
  if (converted <= 0) {
    trace_failure("MultiByteToWideChar");
    wide.assign(text.size(), L'?');  // a text that names no file and is never a valid input
    return;
  }
  wide.resize(static_cast<std::size_t>(converted));
}

std::wstring to_utf16(std::string_view text) {
  std::wstring wide;
  to_utf16(text, wide);
  return wide;
}

void to_windows_1252(std::wstring_view wide, std::string& text) {
  if (copy_if_ascii(wide, text)) {
    return;
  }
  // Exactly one byte per UTF-16 character, so that lengths (of a path, of a field) count as
  // Windows counts them: each half of a surrogate pair becomes a mark of its own.
  std::wstring units(wide);
  std::replace_if(
      units.begin(), units.end(), [](wchar_t c) { return c >= 0xD800 && c <= 0xDFFF; }, L'?');
  const int length = units.size() > INT_MAX ? INT_MAX : static_cast<int>(units.size());
  text.assign(static_cast<std::size_t>(length), '\0');
  const int converted = WideCharToMultiByte(kWindows1252, WC_NO_BEST_FIT_CHARS, units.data(),
                                            length, text.data(), length, "?", nullptr);
  if (converted <= 0) {
    trace_failure("WideCharToMultiByte");
    text.assign(wide.size(), '?');  // a name that is never renamed, a text that is refused
    return;
  }
  text.resize(static_cast<std::size_t>(converted));
}

std::string to_windows_1252(std::wstring_view wide) {
  std::string text;
  to_windows_1252(wide, text);
  return text;
}

}  // namespace veltrano
