#include "tests/e2e/driver/driver.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <thread>

namespace veltrano::e2e {
namespace {

using Clock = std::chrono::steady_clock;
constexpr milliseconds kPoll{20};

// Waits until `done` holds, polling; fails with `what` after kPatience.
template <typename Done>
void wait_until(Done&& done, const std::string& what) {
  const auto deadline = Clock::now() + kPatience;
  while (!done()) {
    check(Clock::now() < deadline, what);
    std::this_thread::sleep_for(kPoll);
  }
}

// Across processes Wine answers in UTF-16; the program speaks Windows-1252.
LRESULT send(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0) {
  DWORD_PTR result = 0;
  check(SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, 5000, &result) != 0,
        "window message " + std::to_string(message) + " got no answer");
  return static_cast<LRESULT>(result);
}

std::string narrow(std::wstring_view text) {
  std::string bytes(text.size() * 2, '\0');
  const int length = WideCharToMultiByte(1252, 0, text.data(), static_cast<int>(text.size()),
                                         bytes.data(), static_cast<int>(bytes.size()), 0, 0);
  check(length > 0 || text.empty(), "a text is not Windows-1252");
  return bytes.substr(0, static_cast<std::size_t>(std::max(length, 0)));
}

std::string text_by(HWND window, UINT get_length, UINT get_text, WPARAM index = 0) {
  std::wstring text(static_cast<std::size_t>(send(window, get_length, index)) + 1, L'\0');
  const auto size = send(window, get_text, get_text == WM_GETTEXT ? text.size() : index,
                         reinterpret_cast<LPARAM>(text.data()));
  return narrow(
      std::wstring_view(text).substr(0, static_cast<std::size_t>(std::max<LRESULT>(size, 0))));
}

// Read without a message to the window, which may be closing meanwhile.
std::string caption_of(HWND window) {
  wchar_t caption[256];
  const int length = GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
  return narrow({caption, static_cast<std::size_t>(std::max(length, 0))});
}

std::vector<HWND> visible_windows(const Program& program) {
  std::pair<DWORD, std::vector<HWND>> search{program.id(), {}};
  EnumWindows(
      [](HWND window, LPARAM found) {
        auto& [id, windows] = *reinterpret_cast<decltype(search)*>(found);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == id && IsWindowVisible(window))
          windows.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.second;
}

// Starts `command` in `folder` (null: this program's).
PROCESS_INFORMATION start(std::wstring command, const wchar_t* folder) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  check(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder,
                       &startup, &started),
        "cannot start a program (error " + std::to_string(GetLastError()) + ")");
  const UniqueHandle thread(started.hThread);
  return started;
}

std::string quoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs `script` with /bin/sh; what it printed. Wine gives no handle to wait on for a Linux
// program: the script moves its exit status into place last, and that file is awaited.
std::string run_shell(const std::string& script) {
  static int runs = 0;
  const std::string base =
      "/tmp/veltrano-e2e-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++runs);
  check((std::ofstream("Z:" + base + ".sh", std::ios::binary)
         << "(" << script << ") >" << base << ".out\necho $? >" << base << ".part\nmv " << base
         << ".part " << base << ".status\n")
            .good(),
        "cannot write " + base + ".sh");
  const UniqueHandle shell(start(widen("/bin/sh " + base + ".sh"), nullptr).hProcess);
  std::string status;
  wait_until([&] { return !!std::getline(std::ifstream("Z:" + base + ".status"), status); },
             "/bin/sh did not end: " + printable(script));
  std::ifstream out("Z:" + base + ".out", std::ios::binary);
  std::string printed{std::istreambuf_iterator<char>(out), {}};
  out.close();
  for (const char* end : {".sh", ".out", ".status"})
    DeleteFileA(("Z:" + base + end).c_str());
  check(status == "0", "/bin/sh failed on " + printable(script));
  return printed;
}

}  // namespace

void fail(std::string_view message, std::source_location where) {
  const std::string file = where.file_name();
  throw CheckFailed(file.substr(file.find_last_of("/\\") + 1) + ":" + std::to_string(where.line()) +
                    ": " + std::string(message));
}

std::string printable(std::string_view bytes) {
  std::string shown = "\"";
  for (const char c : bytes) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(c));
    shown += c >= 0x20 && c < 0x7F && c != '\\' ? std::string(1, c) : std::string(escaped);
  }
  return shown + "\"";
}

std::string printable(const Names& list) {
  std::string shown;
  for (const auto& entry : list)
    shown += (shown.empty() ? "[" : ", ") + printable(entry);
  return (shown.empty() ? "[" : shown) + "]";
}

std::wstring widen(std::string_view text, UINT code_page) {
  std::wstring wide(text.size(), L'\0');
  const int size = MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()),
                                       wide.data(), static_cast<int>(wide.size()));
  check(size > 0 || text.empty(), "cannot convert " + printable(text));
  return wide.substr(0, static_cast<std::size_t>(size));
}

Program::Program(const std::string& exe, const std::wstring& folder, const std::string& arguments) {
  const auto started = start(L"\"" + widen(exe) + L"\" " + widen(arguments), folder.c_str());
  process_.reset(started.hProcess);
  id_ = started.dwProcessId;
}

Program::~Program() {
  if (running() && TerminateProcess(process_.get(), 1)) {
    WaitForSingleObject(process_.get(), static_cast<DWORD>(kPatience.count()));
  }
}

DWORD Program::expect_exit(milliseconds patience) const {
  DWORD status = 0;
  check(
      WaitForSingleObject(process_.get(), static_cast<DWORD>(patience.count())) == WAIT_OBJECT_0 &&
          GetExitCodeProcess(process_.get(), &status),
      "the program did not end");
  return status;
}

HWND Window::control(int id) const {
  HWND found = GetDlgItem(handle_, id);
  check(found != nullptr, "no control " + std::to_string(id));
  return found;
}

void Window::wait_closed() const {
  wait_until([&] { return !is_open(); }, "a window stays open");
}

Names Window::list(int id) const {
  Names entries(static_cast<std::size_t>(std::max<LRESULT>(send(control(id), LB_GETCOUNT), 0)));
  for (std::size_t i = 0; i < entries.size(); ++i) {
    entries[i] = text_by(control(id), LB_GETTEXTLEN, LB_GETTEXT, i);
  }
  return entries;
}

std::string Window::text(int id) const {
  return text_by(control(id), WM_GETTEXTLENGTH, WM_GETTEXT);
}

void Window::type(int edit, std::string_view text) const {
  for (const char c : text)
    send(control(edit), WM_CHAR, widen({&c, 1}, 1252)[0], 1);
}

void Window::press(int button) const {
  check(is_visible(button) && is_enabled(button), "button " + std::to_string(button) + " is off");
  check(SendNotifyMessageW(control(button), BM_CLICK, 0, 0), "cannot press a button");
}

void Window::key(WPARAM virtual_key) const {
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  check(GetGUIThreadInfo(GetWindowThreadProcessId(handle_, nullptr), &thread), "no focus");
  HWND focus = thread.hwndFocus != nullptr ? thread.hwndFocus : handle_;
  check(PostMessageW(focus, WM_KEYDOWN, virtual_key, 1) &&
            PostMessageW(focus, WM_KEYUP, virtual_key, 0xC0000001),
        "cannot post a key");
}

void Window::close_box() const {
  check(PostMessageW(handle_, WM_SYSCOMMAND, SC_CLOSE, 0), "cannot press the close box");
}

std::optional<Window> find_window(const Program& program, std::string_view caption) {
  for (HWND window : visible_windows(program)) {
    if (caption_of(window) == caption)
      return Window(window);
  }
  return std::nullopt;
}

Window wait_for(const Program& program, std::string_view caption) {
  std::optional<Window> found;
  wait_until([&] { return (found = find_window(program, caption)).has_value(); },
             "no window " + printable(caption) + "; open: " + printable(captions(program)));
  return *found;
}

Names captions(const Program& program) {
  Names shown;
  for (HWND window : visible_windows(program)) {
    shown.push_back(caption_of(window));
  }
  return shown;
}

Window open_operation(const Program& program, const OperationDialog& dialog) {
  wait_for(program, kMainCaption).press(dialog.controls.main_button);
  return wait_for(program, dialog.caption);
}

void quit(const Program& program) {
  wait_for(program, kMainCaption).key(VK_ESCAPE);
  check(program.expect_exit() == 0, "exit status not 0");
}

Folder::Folder(const Names& files, const Names& read_only) : files_(files), read_only_(read_only) {
  static int made = 0;
  path_ = "/tmp/veltrano-e2e-" + std::to_string(GetCurrentProcessId()) + "-folder-" +
          std::to_string(++made);
  std::string script =
      "rm -rf " + quoted(path_) + " && mkdir " + quoted(path_) + " && cd " + quoted(path_);
  for (const auto& file : files) {
    script += " && mkdir -p \"$(dirname " + quoted(file) + ")\" && printf %s " + quoted(file) +
              " >" + quoted(file);
  }
  for (const auto& file : read_only)
    script += " && chmod a-w " + quoted(file);
  run_shell(script);
}

Folder::~Folder() {
  try {
    run_shell("chmod -R u+w " + quoted(path_) + " && rm -rf " + quoted(path_));
  } catch (const CheckFailed&) {
  }
}

Names Folder::files() const {
  std::istringstream listing(run_shell(
      "cd " + quoted(path_) + " && find . -type f | while IFS= read -r f; do printf '%s=%s' " +
      "\"${f#./}\" \"$(cat \"$f\")\"; case $(stat -c %A \"$f\") in *w*) echo;; *) echo ' " +
      "read-only';; esac; done"));
  Names lines;
  for (std::string line; std::getline(listing, line);)
    lines.push_back(line);
  std::sort(lines.begin(), lines.end());
  return lines;
}

Names Folder::after(const Renames& renames) const {
  Names lines;
  for (const auto& file : files_) {
    const auto renamed = std::find_if(renames.begin(), renames.end(),
                                      [&](const auto& rename) { return rename.first == file; });
    const bool read_only =
        std::find(read_only_.begin(), read_only_.end(), file) != read_only_.end();
    lines.push_back((renamed == renames.end() ? file : renamed->second) + "=" + file +
                    (read_only ? " read-only" : ""));
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::wstring Folder::path(std::string_view sub) const {
  std::string path = "Z:" + path_ + "/";
  path += sub;
  std::replace(path.begin(), path.end(), '/', '\\');
  return widen(path, CP_UTF8);
}

}  // namespace veltrano::e2e
