// Drives the real veltrano.exe from another process, as a user would: starts it in a folder made
// for the case, finds its windows by caption, types, presses buttons and keys, reads the files
// back. Window texts are Windows-1252 bytes, as the program sees them, sent and read through the
// wide messages whatever the ANSI code page; paths are UTF-8. It runs on Windows and under Wine.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <optional>
#include <random>
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

// Windows-1252 ("?" for what it lacks) unless another code page is named.
inline std::wstring widen(std::string_view text, UINT code_page = 1252) {
  std::wstring wide(text.size(), L'\0');
  const int size = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()),
                                       wide.data(), static_cast<int>(wide.size()));
  check(size > 0 || text.empty(), "cannot convert " + printable(text));
  return wide.substr(0, static_cast<std::size_t>(std::max(size, 0)));
}
inline std::string narrow(std::wstring_view wide, UINT code_page = 1252) {
  const bool utf8 = code_page == CP_UTF8;
  std::string text(wide.size() * 3, '\0');
  const int size = WideCharToMultiByte(
      code_page, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
      text.data(), static_cast<int>(text.size()), utf8 ? nullptr : "?", nullptr);
  check(size > 0 || wide.empty(), "cannot convert a text");
  return text.substr(0, static_cast<std::size_t>(std::max(size, 0)));
}

// A name that no other run takes, even one at the same time under another wineserver, where
// process ids repeat.
inline std::string unique_name() {
  std::random_device random;
  return "veltrano-e2e-" + std::to_string(random()) + "-" + std::to_string(random());
}

struct Skipped {  // thrown by a case that needs what only Wine gives, when it runs on Windows
  std::string reason;
};
inline void wine_only(std::string_view reason) {  // Wine's ntdll exports wine_get_version
  if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) {
    throw Skipped{"skipped on Windows: " + std::string(reason)};
  }
}

// Starts `command` in `folder` (null: this program's own); the process.
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

// A program started in `folder` (path and arguments UTF-8), ended if it still runs at the end.
class Program {
 public:
  Program(const std::string& exe, const std::wstring& folder, const std::string& arguments = "")
      : process_(start(L"\"" + widen(exe, CP_UTF8) + L"\" " + widen(arguments, CP_UTF8),
                       folder.c_str())) {}
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
  bool is_enabled(int id) const { return IsWindowEnabled(control(id)) != FALSE; }
  bool is_visible(int id) const { return IsWindowVisible(control(id)) != FALSE; }
  std::string text(int id) const {
    wchar_t text[1024];  // a name or a message is far shorter
    const auto size = send(control(id), WM_GETTEXT, std::size(text), text);
    return narrow(std::wstring_view(text, static_cast<std::size_t>(std::max(size, LRESULT{0}))));
  }
  void type(int edit, std::string_view text) const { type(edit, widen(text)); }
  // As a user types: to the control with the focus, which must be `edit` once the keys posted
  // before are handled (a Tab moves it). Each key a change notification.
  void type(int edit, std::wstring_view text) const {
    wait_until([&] { return focus() == control(edit); }, "no focus on " + std::to_string(edit));
    for (const wchar_t c : text) {
      send(focus(), WM_CHAR, c);
    }
  }
  void press(int button) const {  // a user cannot press a hidden or disabled button
    check(is_visible(button) && is_enabled(button), "button " + std::to_string(button) + " off");
    check(SendNotifyMessageW(control(button), BM_CLICK, 0, 0), "cannot press a button");
  }
  void key(WPARAM virtual_key) const {  // to the control with the focus, as a user's key goes
    HWND target = IsChild(handle_, focus()) ? focus() : handle_;  // not a closed dialog's
    check(PostMessageW(target, WM_KEYDOWN, virtual_key, 1) &&
              PostMessageW(target, WM_KEYUP, virtual_key, 0xC0000001),
          "cannot post a key");
  }
  HWND focus() const {  // the window with the focus in the program's thread
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    check(GetGUIThreadInfo(GetWindowThreadProcessId(handle_, nullptr), &thread), "no focus");
    return thread.hwndFocus;
  }
  template <typename Test>  // its visible child windows of a class for which `test` holds
  int count_children(const wchar_t* window_class, Test&& test) const {
    int count = 0;
    for (HWND child = nullptr; (child = FindWindowExW(handle_, child, window_class, nullptr));) {
      count += IsWindowVisible(child) && test(child);
    }
    return count;
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

// A caption read without a message to a window that may be closing or busy.
inline std::string caption_of(HWND window) {
  wchar_t caption[256];
  const int length = GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
  return narrow({caption, static_cast<std::size_t>(std::max(length, 0))});
}
// The program's visible top-level windows and their captions. A window closed meanwhile may end
// the walk early: callers poll.
inline std::vector<std::pair<HWND, std::string>> windows_of(const Program& program) {
  std::vector<std::pair<HWND, std::string>> windows;
  for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, nullptr, nullptr));) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == program.id() && IsWindowVisible(window)) {
      windows.emplace_back(window, caption_of(window));
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

// A file as Folder::files gives it: its name, its contents, whether it is read-only; and such
// lines in the order of bytes, as `LC_ALL=C sort` gives them.
inline std::string file_line(const std::string& name, const std::string& contents, bool read_only) {
  return name + "=" + contents + (read_only ? " read-only\n" : "\n");
}
inline std::string sorted(Names lines) {
  std::sort(lines.begin(), lines.end());
  return std::accumulate(lines.begin(), lines.end(), std::string());
}
// What Folder::files gives for `files`, each holding its own name, once renamed so.
inline std::string renamed(const Names& files, const Names& read_only, const Renames& renames) {
  Names lines;
  for (const auto& file : files) {
    auto now =
        std::find_if(renames.begin(), renames.end(), [&](auto& r) { return r.first == file; });
    lines.push_back(file_line(now == renames.end() ? file : now->second, file,
                              std::count(read_only.begin(), read_only.end(), file) > 0));
  }
  return sorted(lines);
}

// A fresh folder in the temporary folder, its files side by side, made, read back and removed
// through wide paths; each file holds its own name, so no two hold the same.
class Folder {
 public:
  explicit Folder(const Names& files, const Names& read_only = {})
      : files_(files), read_only_(read_only) {
    wchar_t temp[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, temp);  // with its trailing backslash
    root_ = std::wstring(temp, std::min<DWORD>(length, MAX_PATH)) + widen(unique_name());
    check(length > 0 && length <= MAX_PATH && CreateDirectoryW(root_.c_str(), nullptr),
          "cannot make a folder in the temporary folder");
    for (const auto& file : files) {
      std::ofstream made(std::filesystem::path(path(file)), std::ios::binary);
      check((made << file).flush() &&
                (!std::count(read_only.begin(), read_only.end(), file) ||
                 SetFileAttributesW(path(file).c_str(), FILE_ATTRIBUTE_READONLY)),
            "cannot make " + printable(file));
    }
  }
  ~Folder() {  // what cannot be removed is left behind, and the case's outcome stands
    try {
      // A folder in it, a junction too, is removed itself, never what it holds.
      for_each_entry([&](const std::wstring& entry, const WIN32_FIND_DATAW& found) {
        check(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY
                  ? RemoveDirectoryW(entry.c_str())
                  : SetFileAttributesW(entry.c_str(), FILE_ATTRIBUTE_NORMAL) &&
                        DeleteFileW(entry.c_str()),
              "cannot remove " + narrow(entry));
      });
      check(RemoveDirectoryW(root_.c_str()), "cannot remove " + narrow(root_));
    } catch (const CheckFailed& failure) {
      std::fprintf(stderr, "%s\n", failure.what());
    }
  }
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;

  // Every file in it, a line "name=contents" each, with " read-only" where it is read-only, in the
  // order of bytes.
  std::string files() const {
    Names lines;
    for_each_entry([&](const std::wstring& entry, const WIN32_FIND_DATAW& found) {
      std::ifstream file(std::filesystem::path(entry), std::ios::binary);
      check(file.is_open(), "cannot read " + narrow(entry));
      lines.push_back(
          file_line(narrow(found.cFileName, CP_UTF8),
                    {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()},
                    found.dwFileAttributes & FILE_ATTRIBUTE_READONLY));
    });
    return sorted(lines);
  }
  std::string after(const Renames& renames) const {  // what files() gives once renamed so
    return renamed(files_, read_only_, renames);
  }
  std::wstring path(std::string_view file = {}) const {
    return root_ + L"\\" + widen(file, CP_UTF8);
  }

 private:
  template <typename Visit>
  void for_each_entry(Visit&& visit) const {  // visit(path, found), "." and ".." left out
    WIN32_FIND_DATAW found;
    const Owned<HANDLE, FindClose> search(FindFirstFileW(path("*").c_str(), &found));
    check(static_cast<bool>(search), "cannot list " + narrow(root_));
    do {
      if (std::wstring_view(found.cFileName) != L"." &&
          std::wstring_view(found.cFileName) != L"..") {
        visit(root_ + L"\\" + found.cFileName, found);
      }
    } while (FindNextFileW(search.get(), &found));
    check(GetLastError() == ERROR_NO_MORE_FILES, "cannot list " + narrow(root_));
  }
  Names files_, read_only_;
  std::wstring root_;
};

// Runs `script` with /bin/sh, which Wine starts as a Linux program; what it printed. Wine gives
// no handle to wait on: the script puts what it printed and its exit status in place last.
inline std::string run_shell(const std::string& script) {
  const std::string base = "/tmp/" + unique_name();
  std::ofstream("Z:" + base + ".sh", std::ios::binary)
      << "(" << script << ") >" << base << ".part\necho \" $?\" >>" << base << ".part\nmv " << base
      << ".part " << base;
  start(widen("/bin/sh " + base + ".sh"), nullptr);
  std::ifstream ended;
  wait_until([&] { return ended.open("Z:" + base, std::ios::binary), ended.is_open(); },
             "/bin/sh did not end: " + printable(script));
  const std::string printed{std::istreambuf_iterator<char>(ended.rdbuf()), {}};
  ended.close();
  check(DeleteFileA(("Z:" + base).c_str()) && DeleteFileA(("Z:" + base + ".sh").c_str()) &&
            printed.ends_with(" 0\n"),
        "/bin/sh failed on " + printable(script));
  return printed.substr(0, printed.size() - 3);
}

}  // namespace veltrano::e2e
