// Full paths in the form that Windows takes as it is, past its 260-character limit.
#pragma once

#include <string>
#include <string_view>

namespace veltrano {

// The path of `name` in `directory`, a full path as the platform gives the current directory
// ("C:\", "C:\Foto", "\\server\share\Foto"), in the extended form: "\\?\C:\Foto\name",
// "\\?\UNC\server\share\Foto\name". Windows neither expands such a path nor holds it to 260
// characters, so a file whose path is already that long is still reached.
std::wstring extended_path(std::wstring_view directory, std::wstring_view name);

}  // namespace veltrano
