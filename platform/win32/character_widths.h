// How wide a list's entries are drawn: the width of each Windows-1252 character in the list's
// font, measured once per list while its dialog is open, and a text's width summed from them.
#pragma once

#include <windows.h>

#include <array>
#include <string_view>
#include <utility>
#include <vector>

#include "interface/dialog.h"

namespace veltrano {

// Entry b is the width in pixels of the byte b, read as Windows-1252.
using CharacterWidths = std::array<int, 256>;

// The widths in the font that `window` draws with.
CharacterWidths measure_character_widths(HWND window);

// The width in pixels of `text` drawn in that font: the sum of its characters' widths, as a list
// box draws it, without kerning.
long long text_width(const CharacterWidths& widths, std::string_view text);

// The widths of each list's font, measured at the first need and kept for as long as the dialog
// is open, so that a change of the lists does not measure the font again.
class ListFonts {
 public:
  const CharacterWidths& widths(ControlId list, HWND window);

 private:
  std::vector<std::pair<ControlId, CharacterWidths>> measured_;
};

}  // namespace veltrano
