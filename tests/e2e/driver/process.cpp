#include "tests/e2e/driver/process.h"

#include <tlhelp32.h>

#include <vector>

#include "tests/e2e/driver/check.h"

namespace veltrano::e2e {

namespace {

std::wstring wide(const std::string& ansi) {
  const int size =
      MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  check(ansi.empty() ||
            (size > 0 && MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()),
                                             text.data(), size) == size),
        "cannot convert " + ansi);
  return text;
}

}  // namespace

Program::Program(const std::string& exe, const std::string& folder, const std::string& arguments)
    : Program(exe, wide(folder), arguments) {}

Program::Program(const std::string& exe, const std::wstring& folder, const std::string& arguments) {
  std::wstring command_line = L"\"" + wide(exe) + L"\"";
  if (!arguments.empty()) {
    command_line += L" " + wide(arguments);
  }
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(wide(exe).c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &startup, &info)) {
    fail("cannot start " + exe + " (error " + std::to_string(GetLastError()) + ")");
  }
  CloseHandle(info.hThread);
  process_.reset(info.hProcess);
  id_ = info.dwProcessId;
}

Program::~Program() {
  if (running()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), static_cast<DWORD>(kPatience.count()));
  }
}

bool Program::running() const {
  return process_.get() != nullptr && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

DWORD Program::expect_exit(milliseconds patience) const {
  check(WaitForSingleObject(process_.get(), static_cast<DWORD>(patience.count())) == WAIT_OBJECT_0,
        "the program is still running " + std::to_string(patience.count()) + " ms later");
  DWORD status = 0;
  check(GetExitCodeProcess(process_.get(), &status), "cannot read the exit status");
  return status;
}

int kill_processes_named(const std::string& exe_name) {
  UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (snapshot.get() == INVALID_HANDLE_VALUE) {
    fail("cannot list the running processes");
  }
  int killed = 0;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more;
       more = Process32Next(snapshot.get(), &entry)) {
    if (lstrcmpiA(entry.szExeFile, exe_name.c_str()) != 0) {
      continue;
    }
    UniqueHandle process(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, entry.th32ProcessID));
    if (process.get() != nullptr) {
      TerminateProcess(process.get(), 1);
      WaitForSingleObject(process.get(), static_cast<DWORD>(kPatience.count()));
    }
    ++killed;
  }
  return killed;
}

}  // namespace veltrano::e2e
