#include "tests/e2e/driver/linux_folder.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>

#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/process.h"

namespace veltrano::e2e {
namespace {

// The text in single quotes for the shell.
std::string shell_quoted(std::string_view text) {
  std::string quoted = "'";
  for (const char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}

// UTF-8 bytes as UTF-16: Wine gives a Linux program its arguments, and a folder its name, in
// UTF-8 from there.
std::wstring from_utf8(std::string_view text) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(std::max(size, 0)), L'\0');
  check(size > 0 && MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                        wide.data(), size) == size,
        "cannot convert " + printable(text));
  return wide;
}

// The argument quoted for a Windows command line, which Wine splits into the Linux argv.
std::string argument_quoted(std::string_view argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a double quote are doubled, and the quote escaped.
    quoted.append(c == '"' ? 2 * backslashes + 1 : backslashes, '\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, '\\');
  return quoted + "\"";
}

// Runs `script` with /bin/sh and fails unless it ends with status 0. Wine starts a Linux program
// without a handle that can be waited for: the script leaves its status in a file, which appears
// whole (renamed into place) when it ends.
void run_shell(const std::string& script) {
  static std::atomic<int> runs{0};
  const std::string status_file = "/tmp/veltrano-e2e-shell-" +
                                  std::to_string(GetCurrentProcessId()) + "-" +
                                  std::to_string(++runs);
  std::wstring command_line = from_utf8(
      "/bin/sh -c " + argument_quoted("(" + script + "); echo $? > " + status_file +
                                      ".part && mv " + status_file + ".part " + status_file));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  check(CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &info),
        "cannot start /bin/sh (error " + std::to_string(GetLastError()) + ")");
  CloseHandle(info.hProcess);
  CloseHandle(info.hThread);
  const std::string windows_status_file = "Z:" + status_file;
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (GetFileAttributesA(windows_status_file.c_str()) == INVALID_FILE_ATTRIBUTES) {
    check(std::chrono::steady_clock::now() < deadline,
          "the shell did not end: " + printable(script));
    Sleep(10);
  }
  std::string status;
  std::getline(std::ifstream(windows_status_file), status);
  DeleteFileA(windows_status_file.c_str());
  check(status == "0", "the shell failed (status " + status + ") on " + printable(script));
}

}  // namespace

LinuxFolder::LinuxFolder() {
  static std::atomic<int> made{0};
  path_ = "/tmp/veltrano-e2e-linux-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++made);
  run_shell("rm -rf " + shell_quoted(path_) + " && mkdir " + shell_quoted(path_));
}

LinuxFolder::~LinuxFolder() {
  try {
    run_shell("chmod -R u+w " + shell_quoted(path_) + "; rm -rf " + shell_quoted(path_));
  } catch (const CheckFailed&) {
  }
}

void LinuxFolder::run(const std::string& script) const {
  run_shell("cd " + shell_quoted(path_) + " && " + script);
}

void LinuxFolder::add_files(const std::vector<std::string>& paths) {
  std::string script = "true";
  for (const auto& path : paths) {
    script += " && mkdir -p \"$(dirname " + shell_quoted(path) + ")\" && printf %s " +
              shell_quoted(path) + " > " + shell_quoted(path);
  }
  run(script);
}

void LinuxFolder::add_folders(const std::vector<std::string>& paths) {
  std::string script = "true";
  for (const auto& path : paths) {
    script += " && mkdir -p " + shell_quoted(path);
  }
  run(script);
}

std::vector<std::string> LinuxFolder::files() const {
  const std::string listing = path_ + ".files";
  run("find . -type f | while IFS= read -r f; do printf '%s=%s\\n' \"${f#./}\" "
      "\"$(cat \"$f\")\"; done > " +
      shell_quoted(listing));
  std::ifstream in("Z:" + std::string(listing.begin(), listing.end()));
  check(in.good(), "cannot read " + listing);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  in.close();
  run_shell("rm -f " + shell_quoted(listing));
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::wstring LinuxFolder::windows_path(std::string_view sub) const {
  std::string path = "Z:";
  path += path_;
  if (!sub.empty()) {
    path += '/';
    path += sub;
  }
  std::replace(path.begin(), path.end(), '/', '\\');
  return from_utf8(path);
}

}  // namespace veltrano::e2e
