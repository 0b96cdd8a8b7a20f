// Drives the real veltrano.exe from another process, as a user would: starts it in a folder made
// for the case, finds its windows by caption, types, presses buttons and keys, reads the files
// back. Window texts are Windows-1252 bytes, as the program sees them.
#pragma once

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <iterator>
#include <memory>
#include <optional>
#include <source_location>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "interface/controls.h"

namespace veltrano::e2e {

using Names = std::vector<std::string>;
using Renames = std::vector<std::pair<std::string, std::string>>;  // old path, new path
using std::chrono::milliseconds;
inline constexpr milliseconds kPatience{10000};  // for anything the program should do at once

// Thrown by a failed check; the runner reports its message, which names the file and line.
struct CheckFailed : std::runtime_error {
  using std::runtime_error::runtime_error;
};
[[noreturn]] void fail(std::string_view message,
                       std::source_location where = std::source_location::current());
inline void check(bool condition, std::string_view message,
                  std::source_location where = std::source_location::current()) {
  if (!condition)
    fail(message, where);
}
std::string printable(std::string_view bytes);  // in quotes, \xNN for all but printable ASCII
std::string printable(const Names& list);
template <typename T>
void check_equal(const T& actual, const T& expected, std::string_view what,
                 std::source_location where = std::source_location::current()) {
  if (!(actual == expected)) {
    fail(std::string(what) + ": got " + printable(actual) + ", expected " + printable(expected),
         where);
  }
}

// Owns a Win32 handle and closes it once; null and INVALID_HANDLE_VALUE own nothing.
template <auto close>
struct Closer {
  template <typename T>
  void operator()(T* handle) const {
    if (handle != INVALID_HANDLE_VALUE)
      close(handle);
  }
};
template <typename T, auto close>
using Owned = std::unique_ptr<T, Closer<close>>;
using UniqueHandle = Owned<void, CloseHandle>;

std::wstring widen(std::string_view text, UINT code_page = CP_ACP);

// A program started in `folder`, ended by the destructor if it still runs: a failed case leaves
// nothing behind.
class Program {
 public:
  Program(const std::string& exe, const std::wstring& folder, const std::string& arguments = "");
  ~Program();
  DWORD id() const { return id_; }
  bool running() const { return WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }
  // Fails unless the program ends in time; its exit status.
  DWORD expect_exit(milliseconds patience = kPatience) const;

 private:
  UniqueHandle process_;
  DWORD id_ = 0;
};

// A top-level window of the program: a dialog or a message box. Input is posted, so it returns
// at once, except typing, which returns when the program has handled every keystroke.
class Window {
 public:
  explicit Window(HWND handle) : handle_(handle) {}
  HWND handle() const { return handle_; }
  bool is_open() const { return IsWindow(handle_) != FALSE; }
  void wait_closed() const;
  bool has_control(int id) const { return GetDlgItem(handle_, id) != nullptr; }
  bool is_enabled(int id) const { return IsWindowEnabled(control(id)) != FALSE; }
  bool is_visible(int id) const { return IsWindowVisible(control(id)) != FALSE; }
  Names list(int id) const;
  std::string text(int id) const;  // of an edit or a static; a message box's is kMessageText
  void type(int edit, std::string_view text) const;  // each keystroke a change notification
  void press(int button) const;                      // fails on a hidden or disabled button
  void key(WPARAM virtual_key) const;                // to the control with the focus
  void close_box() const;

 private:
  HWND control(int id) const;
  HWND handle_;
};
inline constexpr int kMessageText = 0xFFFF;
inline constexpr int kMessageOk = IDOK;

std::optional<Window> find_window(const Program& program, std::string_view caption);
Window wait_for(const Program& program, std::string_view caption);
Names captions(const Program& program);  // of its visible top-level windows

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
  return *std::find_if(std::begin(kDialogs), std::end(kDialogs),
                       [&](const OperationDialog& dialog) {
                         return dialog.controls.template_id == controls.template_id;
                       });
}
// Presses the dialog's button in the main dialog; the dialog that opens.
Window open_operation(const Program& program, const OperationDialog& dialog);
// Esc in the main dialog, then exit status 0.
void quit(const Program& program);

// A fresh folder under /tmp, made and read back by /bin/sh, which Wine starts as a Linux program:
// names are UTF-8 there and may be what Win32 cannot make (a trailing dot, a backslash, two names
// that differ in letter case only). Every file holds its own path: no two hold the same.
class Folder {
 public:
  explicit Folder(const Names& files, const Names& read_only = {});
  ~Folder();
  Folder(const Folder&) = delete;
  Folder& operator=(const Folder&) = delete;
  // Every file below it, "path=contents", " read-only" added without write permission; sorted.
  Names files() const;
  // What files() gives once each old path of `renames` holds the new one.
  Names after(const Renames& renames) const;
  std::wstring path(std::string_view sub = {}) const;  // as Wine's drive Z: spells it

 private:
  std::string path_;
  Names files_, read_only_;
};

}  // namespace veltrano::e2e
