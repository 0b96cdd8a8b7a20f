// The program speaks Windows-1252; Wine answers across processes in UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace veltrano::e2e {

std::string to_1252(std::wstring_view text);
std::wstring from_1252(std::string_view text);
wchar_t from_1252(char byte);

}  // namespace veltrano::e2e
