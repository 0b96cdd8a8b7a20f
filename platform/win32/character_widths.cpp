#include "platform/win32/character_widths.h"

#include <string>

#include "platform/win32/owned_handle.h"
#include "platform/win32/win32_trace.h"
#include "platform/win32/windows_1252.h"

namespace veltrano {

CharacterWidths measure_character_widths(HWND window) {
  // Where a width cannot be read it is taken as wider than any character of the dialogs' 8-point
  // fonts, so that a list can still scroll to the end of its longest entry.
  constexpr int kFallback = 16;
  CharacterWidths widths;
  widths.fill(kFallback);
  const Owned<HDC, DeleteDC> context(CreateCompatibleDC(nullptr));
  if (!context) {
    trace_failure("CreateCompatibleDC");
    return widths;
  }
  // Without a font of its own a control draws with the system font, which the new context holds.
  if (auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) {
    SelectObject(context.get(), font);
  }
  std::string bytes(widths.size(), '\0');
  for (std::size_t byte = 0; byte < bytes.size(); ++byte) {
    bytes[byte] = static_cast<char>(byte);
  }
  const std::wstring characters = to_utf16(bytes);  // one UTF-16 character per byte
  for (std::size_t byte = 0; byte < widths.size() && byte < characters.size(); ++byte) {
    INT width = 0;
    if (GetCharWidth32W(context.get(), characters[byte], characters[byte], &width)) {
      widths[byte] = width;
    } else {
      trace_failure("GetCharWidth32W");
    }
  }
  return widths;
}

long long text_width(const CharacterWidths& widths, std::string_view text) {
  long long width = 0;
  for (const char c : text) {
    width += widths[static_cast<unsigned char>(c)];
  }
  return width;
}

const CharacterWidths& ListFonts::widths(ControlId list, HWND window) {
  for (const auto& [known_list, widths] : measured_) {
    if (known_list == list) {
      return widths;
    }
  }
  return measured_.emplace_back(list, measure_character_widths(window)).second;
}

}  // namespace veltrano
