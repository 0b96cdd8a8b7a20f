#include "tests/e2e/driver/dialog_window.h"

#include <chrono>
#include <set>
#include <thread>

#include "tests/e2e/driver/check.h"

namespace veltrano::e2e {
namespace {

using Clock = std::chrono::steady_clock;
constexpr milliseconds kPollInterval{20};
constexpr UINT kSendTimeoutMs = 5000;
constexpr UINT kWindows1252 = 1252;

// The program speaks Windows-1252; Wine answers across processes in UTF-16.
std::string to_1252(std::wstring_view text) {
  const int size = static_cast<int>(text.size());
  std::string converted(static_cast<std::size_t>(size) * 2, '\0');
  const int length = WideCharToMultiByte(kWindows1252, 0, text.data(), size, converted.data(),
                                         static_cast<int>(converted.size()), nullptr, nullptr);
  check(length > 0 || text.empty(), "text does not convert to Windows-1252");
  converted.resize(static_cast<std::size_t>(length));
  return converted;
}

wchar_t from_1252(char byte) {
  wchar_t converted = 0;
  check(MultiByteToWideChar(kWindows1252, 0, &byte, 1, &converted, 1) == 1,
        "a byte does not convert from Windows-1252");
  return converted;
}

// A message that carries no pointer, sent across processes and answered within the timeout.
LRESULT send_plain(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kSendTimeoutMs, &result)) {
    fail("window message " + std::to_string(message) + " got no answer");
  }
  return static_cast<LRESULT>(result);
}

// Sends `message` (WM_GETTEXT, LB_GETTEXT), which copies a text of `length` characters into the
// buffer in its lparam, across processes: Wine answers it in UTF-16.
std::string send_for_text(HWND window, UINT message, WPARAM wparam, LRESULT length) {
  check(length >= 0, "window message " + std::to_string(message) + " has no text to give");
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, message, wparam, reinterpret_cast<LPARAM>(text.data()),
                           SMTO_NORMAL, kSendTimeoutMs, &copied) ||
      static_cast<LRESULT>(copied) < 0) {
    fail("window message " + std::to_string(message) + " gave no text");
  }
  text.resize(copied);
  return to_1252(text);
}

std::string window_text(HWND window) {
  const auto length = send_plain(window, WM_GETTEXTLENGTH, 0, 0);
  return send_for_text(window, WM_GETTEXT, static_cast<WPARAM>(length) + 1, length);
}

std::string caption_of(HWND window) {
  wchar_t caption[512];
  const int length = GetWindowTextW(window, caption, static_cast<int>(std::size(caption)));
  return to_1252(std::wstring(caption, static_cast<std::size_t>(length)));
}

struct WindowSearch {
  DWORD process;
  std::vector<HWND> found;
};

BOOL CALLBACK collect_visible_window(HWND window, LPARAM search_address) {
  auto& search = *reinterpret_cast<WindowSearch*>(search_address);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search.process && IsWindowVisible(window)) {
    search.found.push_back(window);
  }
  return TRUE;
}

std::vector<HWND> visible_windows(const Program& program) {
  WindowSearch search{program.id(), {}};
  EnumWindows(collect_visible_window, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Tickets of the sent messages whose answers have come back. A message may be answered after its
// sender stopped waiting (the message opened a modal window), so an answer names a ticket rather
// than a variable of the sender.
std::set<ULONG_PTR>& answered_tickets() {
  static std::set<ULONG_PTR> tickets;
  return tickets;
}

void CALLBACK note_answer(HWND, UINT, ULONG_PTR ticket, LRESULT) {
  answered_tickets().insert(ticket);
}

BOOL CALLBACK find_message_static(HWND child, LPARAM found_address) {
  wchar_t class_name[32];
  if (GetClassNameW(child, class_name, static_cast<int>(std::size(class_name))) > 0 &&
      lstrcmpiW(class_name, L"Static") == 0 && !window_text(child).empty()) {
    *reinterpret_cast<HWND*>(found_address) = child;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string DialogWindow::caption() const {
  return caption_of(window_);
}

bool DialogWindow::is_open() const {
  return IsWindow(window_) != FALSE;
}

void DialogWindow::wait_closed(milliseconds patience) const {
  const auto deadline = Clock::now() + patience;
  while (is_open()) {
    check(Clock::now() < deadline, "dialog " + quoted(caption()) + " is still open");
    std::this_thread::sleep_for(kPollInterval);
  }
}

bool DialogWindow::has_control(int id) const {
  return GetDlgItem(window_, id) != nullptr;
}

HWND DialogWindow::control(int id) const {
  HWND found = GetDlgItem(window_, id);
  check(found != nullptr, "dialog " + quoted(caption()) + " has no control " + std::to_string(id));
  return found;
}

std::vector<std::string> DialogWindow::list_entries(int list) const {
  HWND box = control(list);
  const auto count = send_plain(box, LB_GETCOUNT, 0, 0);
  check(count != LB_ERR, "list " + std::to_string(list) + " gives no count");
  std::vector<std::string> entries;
  for (LRESULT i = 0; i < count; ++i) {
    entries.push_back(send_for_text(box, LB_GETTEXT, i, send_plain(box, LB_GETTEXTLEN, i, 0)));
  }
  return entries;
}

std::string DialogWindow::text(int control_id) const {
  return window_text(control(control_id));
}

bool DialogWindow::is_enabled(int control_id) const {
  return IsWindowEnabled(control(control_id)) != FALSE;
}

bool DialogWindow::is_visible(int control_id) const {
  return (GetWindowLongW(control(control_id), GWL_STYLE) & WS_VISIBLE) != 0;
}

void DialogWindow::deliver(HWND target, UINT message, WPARAM wparam, LPARAM lparam) {
  static ULONG_PTR last_ticket = 0;
  const ULONG_PTR ticket = ++last_ticket;
  if (!SendMessageCallbackW(target, message, wparam, lparam, note_answer, ticket)) {
    fail("cannot send window message " + std::to_string(message));
  }
  const auto deadline = Clock::now() + kPatience;
  for (;;) {
    // The answer arrives as a callback, called while this thread takes its messages.
    MSG pending;
    while (PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&pending);
    }
    if (answered_tickets().erase(ticket) > 0 || !is_open() || !IsWindowEnabled(window_)) {
      return;
    }
    check(Clock::now() < deadline,
          "window message " + std::to_string(message) + " was not handled in time");
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

void DialogWindow::type(int edit, std::string_view text) {
  HWND field = control(edit);
  for (const char c : text) {
    // While a message box covers the dialog, a user cannot type into it.
    check(IsWindowEnabled(window_), quoted(caption()) + " is covered by a modal window");
    deliver(field, WM_CHAR, from_1252(c), 1);
  }
}

void DialogWindow::replace_text(int edit, std::string_view text) {
  deliver(control(edit), EM_SETSEL, 0, -1);
  if (text.empty()) {
    deliver(control(edit), WM_CHAR, VK_BACK, 1);
  } else {
    type(edit, text);
  }
}

void DialogWindow::select(int list, int index) {
  HWND box = control(list);
  const auto entry_height = send_plain(box, LB_GETITEMHEIGHT, 0, 0);
  const auto first_in_view = send_plain(box, LB_GETTOPINDEX, 0, 0);
  RECT area;
  check(entry_height > 0 && GetClientRect(box, &area),
        "list " + std::to_string(list) + " has no entries to click");
  const auto y = (index - first_in_view) * entry_height + entry_height / 2;
  check(index >= first_in_view && y < area.bottom,
        "entry " + std::to_string(index) + " of list " + std::to_string(list) + " is out of view");
  // The list box holds the mouse from the press to the release; a mouse move in between would
  // select the entry under the real cursor. A posted release is taken before any mouse move, and
  // after the press, which is sent.
  const LPARAM point = MAKELPARAM(4, y);
  check(SendNotifyMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, point) &&
            PostMessageW(box, WM_LBUTTONUP, 0, point),
        "cannot click list " + std::to_string(list));
  const auto deadline = Clock::now() + kPatience;
  GUITHREADINFO thread_info{};
  thread_info.cbSize = sizeof thread_info;
  for (;;) {
    deliver(box, WM_NULL, 0, 0);
    check(GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &thread_info),
          "cannot see whether list " + std::to_string(list) + " holds the mouse");
    if (thread_info.hwndCapture != box) {
      break;
    }
    check(Clock::now() < deadline, "list " + std::to_string(list) + " keeps the mouse");
    std::this_thread::sleep_for(kPollInterval);
  }
  check(send_plain(box, LB_GETCURSEL, 0, 0) == index, "entry " + std::to_string(index) +
                                                          " of list " + std::to_string(list) +
                                                          " did not become selected");
}

void DialogWindow::press(int button) {
  check(is_visible(button), "button " + std::to_string(button) + " is hidden");
  check(is_enabled(button), "button " + std::to_string(button) + " is disabled");
  deliver(control(button), BM_CLICK, 0, 0);
}

void DialogWindow::post_key(WPARAM key) {
  // The key goes to the window with the focus, where the dialog's own loop sees it.
  GUITHREADINFO thread_info{};
  thread_info.cbSize = sizeof thread_info;
  HWND target = window_;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(window_, nullptr), &thread_info) &&
      thread_info.hwndFocus != nullptr &&
      (thread_info.hwndFocus == window_ || IsChild(window_, thread_info.hwndFocus))) {
    target = thread_info.hwndFocus;
  }
  const UINT scan = MapVirtualKeyW(static_cast<UINT>(key), MAPVK_VK_TO_VSC);
  const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
  const LPARAM up = down | (LPARAM{1} << 30) | (LPARAM{1} << 31);
  if (!PostMessageW(target, WM_KEYDOWN, key, down) || !PostMessageW(target, WM_KEYUP, key, up)) {
    fail("cannot post a key to " + quoted(caption()) + " (error " + std::to_string(GetLastError()) +
         (target == window_ ? ")" : ", to its focused control)"));
  }
}

void DialogWindow::press_escape() {
  post_key(VK_ESCAPE);
}

void DialogWindow::press_enter() {
  post_key(VK_RETURN);
}

void DialogWindow::close_box() {
  check(PostMessageW(window_, WM_SYSCOMMAND, SC_CLOSE, 0), "cannot close " + quoted(caption()));
}

std::string DialogWindow::message_text() const {
  HWND message = nullptr;
  EnumChildWindows(window_, find_message_static, reinterpret_cast<LPARAM>(&message));
  check(message != nullptr, quoted(caption()) + " shows no message");
  return window_text(message);
}

std::optional<DialogWindow> find_dialog(const Program& program, std::string_view caption) {
  for (HWND window : visible_windows(program)) {
    if (caption_of(window) == caption) {
      return DialogWindow(window);
    }
  }
  return std::nullopt;
}

DialogWindow wait_for_dialog(const Program& program, std::string_view caption,
                             milliseconds patience) {
  const auto deadline = Clock::now() + patience;
  for (;;) {
    if (const auto found = find_dialog(program, caption)) {
      return *found;
    }
    if (Clock::now() >= deadline) {
      fail("no window " + quoted(caption) + " appeared; open: " + printable(open_dialogs(program)) +
           (program.running() ? "" : " (the program has ended)"));
    }
    std::this_thread::sleep_for(kPollInterval);
  }
}

std::vector<std::string> open_dialogs(const Program& program) {
  std::vector<std::string> captions;
  for (HWND window : visible_windows(program)) {
    captions.push_back(caption_of(window));
  }
  return captions;
}

}  // namespace veltrano::e2e
