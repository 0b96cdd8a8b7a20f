#include "platform/win32/system_folder.h"

#include <windows.h>

#include <optional>
#include <string>

#include "platform/win32/owned_handle.h"
#include "platform/win32/wide_path.h"
#include "platform/win32/win32_trace.h"

namespace veltrano {
namespace {

// What tells one folder from every other, however its path is spelt (a short name, another drive
// letter mapped to it, a junction, the "\\?\" form).
struct FolderIdentity {
  DWORD volume_serial;
  DWORD index_high;
  DWORD index_low;
  bool operator==(const FolderIdentity&) const = default;
};

std::optional<FolderIdentity> identity_of(const wchar_t* folder) {
  // Opening a folder takes the backup-semantics flag; no access right is needed to read its
  // identity, and sharing everything leaves it usable by every other program meanwhile.
  const Owned<HANDLE, CloseHandle> handle(
      CreateFileW(folder, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  BY_HANDLE_FILE_INFORMATION information{};
  if (!handle || !GetFileInformationByHandle(handle.get(), &information)) {
    trace_failure("reading a folder's identity");
    return std::nullopt;
  }
  return FolderIdentity{information.dwVolumeSerialNumber, information.nFileIndexHigh,
                        information.nFileIndexLow};
}

// The folder's identity, from its path as a Win32 getter gives it; nullopt when the system has no
// such folder (no 32-bit system folder on a 32-bit Windows) or it cannot be opened.
template <typename Getter>
std::optional<FolderIdentity> identity_of_folder(Getter get, const char* what) {
  const std::optional<std::wstring> path = read_wide_path(get, what);
  return path ? identity_of(path->c_str()) : std::nullopt;
}

}  // namespace

bool in_windows_or_system_folder() {
  const std::optional<FolderIdentity> current = identity_of(L".");
  if (!current) {
    return false;  // a folder that cannot be opened cannot be listed either
  }
  // The Windows folder as the system knows it, also on a Remote Desktop server, where each user
  // may have a Windows folder of their own.
  for (const auto& folder :
       {identity_of_folder(GetSystemWindowsDirectoryW, "GetSystemWindowsDirectoryW"),
        identity_of_folder(GetSystemDirectoryW, "GetSystemDirectoryW"),
        identity_of_folder(GetSystemWow64DirectoryW, "GetSystemWow64DirectoryW")}) {
    if (folder == current) {
      return true;
    }
  }
  return false;
}

}  // namespace veltrano
