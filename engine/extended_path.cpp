#include "engine/extended_path.h"

namespace veltrano {

std::wstring extended_path(std::wstring_view directory, std::wstring_view name) {
  constexpr std::wstring_view kExtended = L"\\\\?\\", kDevice = L"\\\\.\\", kShare = L"\\\\";
  std::wstring path(kExtended);
  if (directory.starts_with(kExtended) || directory.starts_with(kDevice)) {
    directory.remove_prefix(kExtended.size());  // already a full path that nothing expands
  } else if (directory.starts_with(kShare)) {
    path += L"UNC\\";
    directory.remove_prefix(kShare.size());
  }
  path += directory;
  if (!path.ends_with(L'\\')) {  // a drive's root ends with its backslash already
    path += L'\\';
  }
  path += name;
  return path;
}

}  // namespace veltrano
