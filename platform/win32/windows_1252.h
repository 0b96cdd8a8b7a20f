// The one boundary between the program's Windows-1252 bytes and Windows' UTF-16. Both ways name
// code page 1252 itself, never the system's ANSI code page, so the program reads and shows the
// same letters on every Windows, whatever its region or its "UTF-8" setting.
#pragma once

#include <string>
#include <string_view>

namespace veltrano {

// Every byte becomes one UTF-16 character. `wide` is reused from call to call by callers that
// convert many texts.
void to_utf16(std::string_view text, std::wstring& wide);
std::wstring to_utf16(std::string_view text);

// Every UTF-16 character becomes one byte; a character that Windows-1252 lacks (each half of a
// surrogate pair included) becomes a question mark, never a best-fit letter that could name
// another file. `text` is reused likewise.
void to_windows_1252(std::wstring_view wide, std::string& text);
std::string to_windows_1252(std::wstring_view wide);

}  // namespace veltrano
