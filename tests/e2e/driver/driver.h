// Drives the real veltrano.exe from another process, as a user would: starts it in a folder made
// for the case, finds its windows by caption, types, presses buttons and keys, reads the files
// back. Window texts are Windows-1252 bytes, as the program sees them, sent and read through the
// wide messages whatever the ANSI code page; folder names are UTF-8.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <numeric>
#include <optional>
#include <source_location>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "interface/controls.h"
#include "platform/win32/owned_handle.h"

namespace veltrano::e2e {

using Names = std::vector<std::string>;
using Renames = std::vector<std::pair<std::string, std::string>>;  // old path, new path
using std::chrono::milliseconds;
inline constexpr milliseconds kPatience{10000};  // for anything the program should do at once

// Thrown by a failed check, with the file and line of the check.
struct CheckFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};
[[noreturn]] inline void fail(std::string_view message,
                              std::source_location where = std::source_location::current()) {
  const std::string file = where.file_name();
  throw CheckFailed(file.substr(file.find_last_of("/\\") + 1) + ":" + std::to_string(where.line()) +
                    ": " + std::string(message));
}
inline void check(bool condition, std::string_view message,
                  std::source_location where = std::source_location::current()) {
  if (!condition) {
    fail(message, where);
  }
}
// In quotes, with \xNN for all but printable ASCII.
inline std::string printable(std::string_view bytes) {
  std::string shown = "\"";
  for (const unsigned char c : bytes) {
    char hex[8];
    std::snprintf(hex, sizeof hex, "\\x%02X", c);
    shown += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, static_cast<char>(c)) : hex;
  }
  return shown + "\"";
}
inline void check_equal(const std::string& got, const std::string& wanted, std::string_view what,
                        std::source_location where = std::source_location::current()) {
  if (got != wanted) {
    fail(std::string(what) + ": got " + printable(got) + ", expected " + printable(wanted), where);
  }
}
template <typename Done>
void wait_until(Done&& done, const std::string& what) {  // fails after kPatience
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  for (; !done(); std::this_thread::sleep_for(milliseconds(20))) {
    check(std::chrono::steady_clock::now() < deadline, what);
  }
}

using UniqueHandle = Owned<HANDLE, CloseHandle>;

inline constexpr UINT kWindows1252 = 1252;
inline std::wstring widen(std::string_view text, UINT code_page = kWindows1252) {
  std::wstring wide(text.size(), L'\0');
  const int size = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()),
                                       wide.data(), static_cast<int>(wide.size()));
  check(size > 0 || text.empty(), "cannot convert " + printable(text));
  return wide.substr(0, static_cast<std::size_t>(std::max(size, 0)));
}
inline std::string narrow(std::wstring_view wide) {  // as Windows-1252, "?" for what it lacks
  std::string text(wide.size(), '\0');
  const int size = WideCharToMultiByte(kWindows1252, WC_NO_BEST_FIT_CHARS, wide.data(),
                                       static_cast<int>(wide.size()), text.data(),
                                       static_cast<int>(text.size()), "?", nullptr);
  check(size > 0 || wide.empty(), "cannot convert a window text");
  return text.substr(0, static_cast<std::size_t>(std::max(size, 0)));
}

// Starts `command` in `folder` (null: in this program's); its process, owned.
inline UniqueHandle start(std::wstring command, const wchar_t* folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  check(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                       &startup, &started),
        "cannot start a program (error " + std::to_string(GetLastError()) + ")");
  const UniqueHandle thread(started.hThread);
  return UniqueHandle(started.hProcess);
}

// A program started in `folder` and ended, if it still runs, when the case ends.
class Program {
 public:
  Program(const std::string& exe, const std::wstring& folder, const std::string& arguments = "")
      : process_(start(L"\"" + widen(exe) + L"\" " + widen(arguments), folder.c_str())) {}
  ~Program() {
    if (running() && TerminateProcess(process_.get(), 1)) {
      WaitForSingleObject(process_.get(), static_cast<DWORD>(kPatience.count()));
    }
  }
  DWORD id() const { return GetProcessId(process_.get()); }
  bool running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  DWORD expect_exit(milliseconds patience = kPatience) const {  // its exit status
    const auto wait = WaitForSingleObject(process_.get(), static_cast<DWORD>(patience.count()));
    DWORD status = 0;
    check(wait == WAIT_OBJECT_0 && GetExitCodeProcess(process_.get(), &status), "still running");
    return status;
  }

 private:
  UniqueHandle process_;
};

// A message to another process, answered in time; texts in UTF-16.
inline LRESULT send(HWND window, UINT message, WPARAM wparam = 0, const void* lparam = nullptr) {
  DWORD_PTR result = 0;
  check(SendMessageTimeoutW(window, message, wparam, reinterpret_cast<LPARAM>(lparam), SMTO_NORMAL,
                            5000, &result) != 0,
        "window message " + std::to_string(message) + " got no answer");
  return static_cast<LRESULT>(result);
}
// A top-level window of the program: a dialog or a message box (its message is kMessageText).
// Input is posted and returns at once, except typing: it returns once every key is handled.
class Window {
 public:
  explicit Window(HWND handle) : handle_(handle) {}
  HWND handle() const { return handle_; }
  bool is_open() const { return IsWindow(handle_) != FALSE; }
  void wait_closed() const {
    wait_until([&] { return !is_open(); }, "still open");
  }
  bool has_control(int id) const { return GetDlgItem(handle_, id) != nullptr; }
  bool is_enabled(int id) const { return IsWindowEnabled(control(id)) != FALSE; }
  bool is_visible(int id) const { return IsWindowVisible(control(id)) != FALSE; }
  std::string text(int id) const {
    wchar_t text[1024];  // a name or a message is far shorter
    const auto size = send(control(id), WM_GETTEXT, std::size(text), text);
    return narrow(std::wstring_view(text, static_cast<std::size_t>(std::max(size, LRESULT{0}))));
  }
  void type(int edit, std::string_view text) const { type(edit, widen(text)); }
  void type(int edit, std::wstring_view text) const {  // each key a change notification
    for (const wchar_t c : text) {
      send(control(edit), WM_CHAR, c);
    }
  }
  void caret(int edit, WPARAM virtual_key) const {  // Home, End: moved before it returns
    send(control(edit), WM_KEYDOWN, virtual_key);
  }
  void press(int button) const {  // a user cannot press a hidden or disabled button
    check(is_visible(button) && is_enabled(button), "button " + std::to_string(button) + " off");
    check(SendNotifyMessageW(control(button), BM_CLICK, 0, 0), "cannot press a button");
  }
  void key(WPARAM virtual_key) const {  // to the control with the focus, as a user's key goes
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    check(GetGUIThreadInfo(GetWindowThreadProcessId(handle_, nullptr), &thread), "no focus");
    HWND focus = thread.hwndFocus != nullptr ? thread.hwndFocus : handle_;
    check(PostMessageW(focus, WM_KEYDOWN, virtual_key, 1) &&
              PostMessageW(focus, WM_KEYUP, virtual_key, 0xC0000001),
          "cannot post a key");
  }
  void close_box() const {
    check(PostMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0), "cannot press the close box");
  }

 private:
  HWND control(int id) const {
    HWND found = GetDlgItem(handle_, id);
    check(found != nullptr, "no control " + std::to_string(id));
    return found;
  }
  HWND handle_;
};
inline constexpr int kMessageText = 0xFFFF;

// The program's visible top-level windows and their captions, read without a message to a
// window that may be closing. A window closed meanwhile may end the walk early: callers poll.
inline std::vector<std::pair<HWND, std::string>> windows_of(const Program& program) {
  std::vector<std::pair<HWND, std::string>> windows;
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
    DWORD process = 0;
    wchar_t caption[256];
    GetWindowThreadProcessId(window, &process);
    const int length = GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
    if (process == program.id() && IsWindowVisible(window)) {
      windows.emplace_back(window,
                           narrow({caption, static_cast<std::size_t>(std::max(length, 0))}));
    }
  }
  return windows;
}
inline std::optional<Window> find_window(const Program& program, std::string_view caption) {
  const auto windows = windows_of(program);
  const auto found = std::find_if(windows.begin(), windows.end(),
                                  [&](const auto& window) { return window.second == caption; });
  return found == windows.end() ? std::nullopt : std::optional(Window(found->first));
}
inline Window wait_for(const Program& program, std::string_view caption) {
  std::optional<Window> found;
  wait_until([&] { return (found = find_window(program, caption)).has_value(); },
             "no window " + printable(caption));
  return *found;
}

inline constexpr char kMainCaption[] = "   VELTRANO DI FILES";
struct OperationDialog {
  OperationControls controls;
  const char* caption;
};
// In the order of the main dialog's buttons, as kOperationDialogs.
inline constexpr OperationDialog kDialogs[] = {
    {kFindReplace, "   VELTRANO - Trova e sostituisci"},
    {kDeleteFirstChars, "  VELTRANO - Elimina i primi tot caratteri"},
    {kAddAtStart, "  VELTRANO - Aggiungi qualcosa all'inizio"},
    {kAddAtEnd, "   VELTRANO - Aggiungi qualcosa alla fine"},
    {kRenumber.frame, "   VELTRANO - Cambia la numerazione"},
    {kUnderscoreToSpace, "  VELTRANO - Sostituisci underescore (_) con spazi"},
    {kSpaceToUnderscore, "  VELTRANO - Sostituisci spazi con underescore (_)"},
    {kNormalText, "   VELTRANO - Testo normale"},
    {kTitleCase, "VELTRANO - Tutte Le Iniziali Maiuscole"},
    {kUpperCase, "VELTRANO - TUTTE MAIUSCOLE"},
    {kLowerCase, "   VELTRANO - tutte minuscole"}};
inline const OperationDialog& dialog_of(const OperationControls& controls) {
  return *std::find_if(std::begin(kDialogs), std::end(kDialogs), [&](const OperationDialog& d) {
    return d.controls.template_id == controls.template_id;
  });
}
// Presses its button in the main dialog; the dialog that opens.
inline Window open_operation(const Program& program, const OperationDialog& dialog) {
  wait_for(program, kMainCaption).press(dialog.controls.main_button);
  return wait_for(program, dialog.caption);
}
inline void quit(const Program& program) {  // Esc in the main dialog, then exit status 0
  wait_for(program, kMainCaption).key(VK_ESCAPE);
  check(program.expect_exit() == 0, "exit status not 0");
}

inline std::string shell_quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) {
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  }
  return quoted + "'";
}
// Runs `script` with /bin/sh, which Wine starts as a Linux program; what it printed. Wine gives
// no handle to wait on: the script puts its exit status in place last, and that is awaited.
inline std::string run_shell(const std::string& script) {
  static int runs = 0;
  const std::string base =
      "/tmp/veltrano-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
  std::ofstream("Z:" + base + ".sh", std::ios::binary)
      << "(" << script << ") >" << base << ".out\necho $? >" << base << ".part\nmv " << base
      << ".part " << base << ".end";
  start(widen("/bin/sh " + base + ".sh"), nullptr);
  std::string status;
  wait_until([&] { return !!std::getline(std::ifstream("Z:" + base + ".end"), status); },
             "/bin/sh did not end: " + printable(script));
  const std::string printed{
      std::istreambuf_iterator<char>(std::ifstream("Z:" + base + ".out", std::ios::binary).rdbuf()),
      {}};
  for (const char* end : {".sh", ".out", ".end"}) {
    DeleteFileA(("Z:" + base + end).c_str());
  }
  check(status == "0", "/bin/sh failed on " + printable(script));
  return printed;
}

// A fresh folder under /tmp, made and read back by /bin/sh, so that it may hold names Win32 cannot
// make (a trailing dot, a backslash, case variants). Each file holds its path: no two the same.
class Folder {
 public:
  explicit Folder(const Names& files, const Names& read_only = {})
      : files_(files), read_only_(read_only) {
    std::string script = "rm -rf " + path_ + " && mkdir " + path_ + " && cd " + path_;
    for (const auto& file : files) {
      script += " && mkdir -p \"$(dirname " + shell_quoted(file) + ")\" && printf %s " +
                shell_quoted(file) + " >" + shell_quoted(file);
    }
    for (const auto& file : read_only) {
      script += " && chmod a-w " + shell_quoted(file);
    }
    run_shell(script);
  }
  ~Folder() {
    try {
      run_shell("rm -rf " + path_);
    } catch (const CheckFailed&) {
    }
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  // Every file below it, a line "path=contents" each, with " read-only" where it has no write
  // permission, in the order of bytes.
  std::string files() const {
    return run_shell(
        "cd " + path_ + " && find . -type f | while IFS= read -r f;" +
        " do printf '%s=%s' \"${f#./}\" \"$(cat \"$f\")\"; case $(stat -c %A \"$f\") in" +
        " *w*) echo;; *) echo ' read-only';; esac; done | LC_ALL=C sort");
  }
  std::string after(const Renames& renames) const {  // what files() gives once renamed so
    Names lines;
    for (const auto& file : files_) {
      auto now =
          std::find_if(renames.begin(), renames.end(), [&](auto& r) { return r.first == file; });
      lines.push_back(
          (now == renames.end() ? file : now->second) + "=" + file +
          (std::count(read_only_.begin(), read_only_.end(), file) ? " read-only\n" : "\n"));
    }
    std::sort(lines.begin(), lines.end());
    return std::accumulate(lines.begin(), lines.end(), std::string());
  }
  std::wstring path(std::string_view sub = {}) const {  // as Wine's drive Z: spells it
    std::string path = "Z:" + path_ + "/";
    path += sub;
    std::replace(path.begin(), path.end(), '/', '\\');
    return widen(path, CP_UTF8);
  }

 private:
  static inline int made_ = 0;
  std::string path_ = "/tmp/veltrano-e2e-" + std::to_string(GetCurrentProcessId()) + "-folder-" +
                      std::to_string(made_++);
  Names files_, read_only_;
};

}  // namespace veltrano::e2e
