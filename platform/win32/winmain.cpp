// The process entry, start-up and the dialog loop that alternates between the main dialog and
// one operation dialog at a time.
#include <windows.h>
// The common controls' header needs the declarations of <windows.h> first.
#include <commctrl.h>

#include <climits>

#include "app/command_line.h"
#include "app/dispatch.h"
#include "interface/texts.h"
#include "platform/win32/dialog_procs.h"
#include "platform/win32/dialog_window_state.h"
#include "platform/win32/system_folder.h"
#include "platform/win32/win32_trace.h"
#include "platform/win32/windows_1252.h"

namespace {

constexpr wchar_t kClassName[] = L"VELTRANO DI FILES";

// COM on this thread for the object's lifetime, apartment-threaded as a thread with windows
// needs it: the taskbar button shows the progress of "Rinomina" through it, and without it the
// caption alone does.
class ComApartment {
 public:
  ComApartment()
      : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {
    if (FAILED(result_)) {
      veltrano::trace_com_failure("CoInitializeEx", result_);
    }
  }
  ~ComApartment() {
    if (SUCCEEDED(result_)) {
      CoUninitialize();
    }
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  HRESULT result_;
};

// A window class that no dialog names; registering it is part of the program's start-up.
void register_window_class(HINSTANCE instance) {
  WNDCLASSW window_class{};
  window_class.style = 0;
  window_class.lpfnWndProc = DefDlgProcW;
  window_class.cbWndExtra = DLGWINDOWEXTRA;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = kClassName;
  RegisterClassW(&window_class);  // the dialogs do not depend on it
}

void initialise_common_controls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof(controls);
  controls.dwICC = 0xFFFFFFFF;
  InitCommonControlsEx(&controls);  // the dialogs do not depend on it
}

// Every dialog is a UTF-16 window, so that its controls hold any letter that Windows-1252 has,
// whatever the system's ANSI code page. Its state (its icons, its lists' fonts) is its creation
// parameter, destroyed once it has closed.
INT_PTR show_dialog(HINSTANCE instance, int template_id, DLGPROC proc) {
  veltrano::DialogWindowState state(instance);
  return DialogBoxParamW(instance, MAKEINTRESOURCEW(template_id), nullptr, proc,
                         reinterpret_cast<LPARAM>(&state));
}

// Shows the main dialog until it ends without an operation; each operation dialog runs between
// two showings, so the main dialog always lists the folder as it is.
void run_dialog_loop(HINSTANCE instance) {
  for (;;) {
    // A main dialog that cannot be created answers -1, which ends the loop like any result
    // that names no operation.
    const INT_PTR result =
        show_dialog(instance, veltrano::kMain.template_id, veltrano::main_dialog_platform_proc());
    const int row = result < INT_MIN || result > INT_MAX
                        ? -1
                        : veltrano::dispatch_row(static_cast<int>(result));
    if (row < 0 || veltrano::kDispatchTable[row].action == veltrano::DialogStep::Action::kEnd) {
      PostQuitMessage(0);
      return;
    }
    const veltrano::DialogStep& step = veltrano::kDispatchTable[row];
    if (step.action == veltrano::DialogStep::Action::kOpenDialog) {
      // Whatever it answers, even when it cannot be created, the main dialog comes back.
      show_dialog(instance, step.template_id,
                  veltrano::dispatch_dialog_proc(static_cast<std::size_t>(row)));
    }
  }
}

// The GUI entry point: only the instance matters; the tail and the show flag change nothing.
int gui_main(HINSTANCE instance, HINSTANCE /*previous*/, const char* /*tail*/, int /*show*/) {
  const ComApartment com;
  register_window_class(instance);
  initialise_common_controls();
  if (veltrano::in_windows_or_system_folder()) {
    // Nothing there is the user's to rename.
    if (MessageBoxW(nullptr, veltrano::to_utf16(veltrano::texts::kSystemFolder).c_str(),
                    veltrano::to_utf16(veltrano::texts::kAttentionCaption).c_str(), MB_OK) == 0) {
      veltrano::trace_failure("MessageBoxW");
    }
    return 0;
  }
  run_dialog_loop(instance);
  return 0;
}

}  // namespace

int main() {
  const char* command_line = GetCommandLineA();
  const char* tail =
      veltrano::command_line_tail(command_line != nullptr ? command_line : "").data();
  return gui_main(GetModuleHandleW(nullptr), nullptr, tail, 1);
}
