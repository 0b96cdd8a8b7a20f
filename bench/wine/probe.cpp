#include "bench/wine/probe.h"

#include <direct.h>
#include <io.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "bench/wine/probe_ids.h"
#include "bench/wine/timing.h"
#include "tests/e2e/driver/driver.h"

namespace veltrano::bench {
namespace {

using e2e::check;
using e2e::fail;
using UniqueFind = Owned<HANDLE, FindClose>;

constexpr int kRuns = 3;
constexpr int kCalls = 2000;
constexpr int kFileCalls = 500;
constexpr int kRedrawnCalls = 100;
constexpr char kExtension[] = ".jpg";

INT_PTR CALLBACK probe_proc(HWND window, UINT message, WPARAM, LPARAM) {
  if (message == WM_CLOSE) {  // only the child's dialog is ever closed
    DestroyWindow(window);
    PostQuitMessage(0);
    return TRUE;
  }
  return message == WM_INITDIALOG ? TRUE : FALSE;
}

LRESULT send(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  return SendMessageA(window, message, wparam, lparam);
}

void check_added(LRESULT result, const char* what) {
  check(result != LB_ERR && result != LB_ERRSPACE, std::string(what) + " failed");
}

// Fills `list` with `entries`, redrawing off as the program does; LB_INSERTSTRING at each index
// when `insert`, LB_ADDSTRING otherwise. The list is emptied first, outside the timing.
double fill(HWND list, const std::vector<std::string>& entries, bool insert) {
  send(list, LB_RESETCONTENT, 0, 0);
  return seconds_of([&] {
    send(list, WM_SETREDRAW, FALSE, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const auto text = reinterpret_cast<LPARAM>(entries[i].c_str());
      check_added(insert ? send(list, LB_INSERTSTRING, i, text) : send(list, LB_ADDSTRING, 0, text),
                  "filling a list");
    }
    send(list, WM_SETREDRAW, TRUE, 0);
    check(RedrawWindow(list, nullptr, nullptr,
                       RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN) != FALSE,
          "RedrawWindow failed");
  });
}

std::vector<std::string> read_back(HWND list) {
  const auto count = send(list, LB_GETCOUNT, 0, 0);
  check(count >= 0, "LB_GETCOUNT failed");
  std::vector<std::string> entries;
  entries.reserve(static_cast<std::size_t>(count));
  for (LRESULT i = 0; i < count; ++i) {
    const auto length = send(list, LB_GETTEXTLEN, i, 0);
    check(length >= 0, "LB_GETTEXTLEN failed");
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = send(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
    check(copied >= 0, "LB_GETTEXT failed");
    text.resize(static_cast<std::size_t>(copied));
    entries.push_back(std::move(text));
  }
  return entries;
}

double read_time(HWND list, std::size_t expected) {
  std::vector<std::string> entries;
  const double took = seconds_of([&] { entries = read_back(list); });
  check(entries.size() == expected, "a list gave back another count of entries");
  return took;
}

template <typename Step>
double median_of_runs(Step&& step) {
  std::vector<double> runs;
  for (int run = 0; run < kRuns; ++run) {
    runs.push_back(step());
  }
  return median(runs);
}

// Seconds per call of `call(k)` over `calls` calls.
template <typename Call>
double per_call(int calls, Call&& call) {
  return seconds_of([&] {
           for (int k = 0; k < calls; ++k) {
             call(k);
           }
         }) /
         calls;
}

std::vector<std::string> stems_of(const std::vector<std::string>& names) {
  std::vector<std::string> stems;
  stems.reserve(names.size());
  for (const auto& name : names) {
    stems.push_back(name.substr(0, name.rfind('.')));
  }
  return stems;
}

}  // namespace

ProbeDialog::ProbeDialog()
    : window_(CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_PROBE), nullptr,
                                 probe_proc, 0)) {
  check(window_ != nullptr,
        "cannot create the probe dialog (error " + std::to_string(GetLastError()) + ")");
}

ProbeDialog::~ProbeDialog() {
  if (IsWindow(window_)) {  // the child's dialog destroys itself when closed
    DestroyWindow(window_);
  }
}

HWND ProbeDialog::control(int id) const {
  HWND found = GetDlgItem(window_, id);
  check(found != nullptr, "the probe dialog has no control " + std::to_string(id));
  return found;
}

std::vector<std::string> folder_names(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA data{};
  const UniqueFind find(FindFirstFileA((folder + "\\*.*").c_str(), &data));
  check(static_cast<bool>(find), "cannot list " + folder);
  do {
    const std::string name = data.cFileName;
    if (name != "." && name != "..") {
      names.push_back(name);
    }
  } while (FindNextFileA(find.get(), &data));
  check(GetLastError() == ERROR_NO_MORE_FILES, "the listing of " + folder + " ended early");
  return names;
}

Floors measure_floors(const ProbeDialog& probe, const std::string& folder) {
  std::vector<std::string> names;
  Floors floors;
  floors.list = median_of_runs([&] { return seconds_of([&] { names = folder_names(folder); }); });
  const std::vector<std::string> stems = stems_of(names);
  const std::vector<std::string> extensions(stems.size(), kExtension);
  HWND before = probe.control(IDC_PROBE_BEFORE);
  HWND extension_list = probe.control(IDC_PROBE_EXTENSIONS);
  floors.fill_before = median_of_runs([&] { return fill(before, stems, false); });
  floors.fill_extensions = median_of_runs([&] { return fill(extension_list, extensions, false); });
  floors.read_before = median_of_runs([&] { return read_time(before, stems.size()); });
  floors.read_extensions = median_of_runs([&] { return read_time(extension_list, stems.size()); });
  floors.fill_after =
      median_of_runs([&] { return fill(probe.control(IDC_PROBE_AFTER), stems, true); });
  floors.fill_check =
      median_of_runs([&] { return fill(probe.control(IDC_PROBE_CHECK), stems, true); });
  return floors;
}

CallCosts measure_call_costs(const ProbeDialog& probe, const std::string& folder) {
  HWND dialog = probe.handle();
  HWND before = probe.control(IDC_PROBE_BEFORE);
  HWND after = probe.control(IDC_PROBE_AFTER);
  HWND check_list = probe.control(IDC_PROBE_CHECK);
  HWND button = probe.control(IDC_PROBE_BUTTON);
  const std::vector<std::string> names = folder_names(folder);
  const double listing = median_of_runs([&] { return seconds_of([&] { folder_names(folder); }); });
  const std::vector<std::string> stems = stems_of(names);
  fill(before, stems, false);
  fill(after, stems, true);
  const auto count = static_cast<int>(stems.size());
  check(count > 0, folder + " is empty");
  const auto index = [count](int k) { return static_cast<WPARAM>(k * 7919 % count); };
  const std::string stem = stems.front();
  const auto stem_text = reinterpret_cast<LPARAM>(stem.c_str());
  std::string buffer(300, '\0');
  const auto buffer_text = reinterpret_cast<LPARAM>(buffer.data());

  CallCosts costs;
  const auto add = [&](const std::string& name, double seconds) {
    costs.emplace_back(name, seconds);
  };
  add("GetDlgItem", per_call(kCalls, [&](int) {
        check(GetDlgItem(dialog, IDC_PROBE_BEFORE) == before, "GetDlgItem failed");
      }));
  const struct {
    const char* name;
    UINT message;
    HWND list;
    int id;
    bool by_index;
    LPARAM text;
  } list_calls[] = {
      {"LB_GETCOUNT", LB_GETCOUNT, before, IDC_PROBE_BEFORE, false, 0},
      {"LB_GETTEXTLEN", LB_GETTEXTLEN, before, IDC_PROBE_BEFORE, true, 0},
      {"LB_GETTEXT", LB_GETTEXT, before, IDC_PROBE_BEFORE, true, buffer_text},
      {"LB_INSERTSTRING (at the end)", LB_INSERTSTRING, after, IDC_PROBE_AFTER, false, stem_text},
      {"LB_ADDSTRING", LB_ADDSTRING, check_list, IDC_PROBE_CHECK, false, stem_text},
  };
  // As the program fills and reads them: redrawing off.
  for (HWND list : {before, after, check_list}) {
    send(list, WM_SETREDRAW, FALSE, 0);
  }
  for (const auto& call : list_calls) {
    const auto wparam = [&](int k) -> WPARAM {
      if (call.message == LB_INSERTSTRING) {
        return static_cast<WPARAM>(SendMessageA(call.list, LB_GETCOUNT, 0, 0));
      }
      return call.by_index ? index(k) : 0;
    };
    // The insert's own LB_GETCOUNT is taken out of its figure below.
    const double through_id = per_call(kCalls, [&](int k) {
      check(SendDlgItemMessageA(dialog, call.id, call.message, wparam(k), call.text) >= 0,
            std::string(call.name) + " failed");
    });
    const double kept = per_call(kCalls, [&](int k) {
      check(SendMessageA(call.list, call.message, wparam(k), call.text) >= 0,
            std::string(call.name) + " failed");
    });
    const double count_cost =
        call.message == LB_INSERTSTRING
            ? per_call(kCalls, [&](int) { SendMessageA(call.list, LB_GETCOUNT, 0, 0); })
            : 0.0;
    add(std::string("SendDlgItemMessageA ") + call.name, through_id - count_cost);
    add(std::string("SendMessageA (kept handle) ") + call.name, kept - count_cost);
  }
  for (HWND list : {before, after, check_list}) {
    send(list, WM_SETREDRAW, TRUE, 0);
  }
  add("SendMessageA LB_INSERTSTRING (at the end), redraw on", per_call(kRedrawnCalls, [&](int) {
        check_added(send(after, LB_INSERTSTRING,
                         static_cast<WPARAM>(send(after, LB_GETCOUNT, 0, 0)), stem_text),
                    "LB_INSERTSTRING");
      }));
  add("_getcwd", per_call(kCalls, [&](int) {
        std::unique_ptr<char, decltype(&std::free)> path(_getcwd(nullptr, 0), &std::free);
        check(path != nullptr, "_getcwd failed");
      }));
  add("FindNextFileA (listing / files)", listing / static_cast<double>(names.size()));
  const int file_calls = std::min(kFileCalls, count);
  add("_chmod", per_call(file_calls, [&](int k) {
        check(_chmod((folder + "\\" + names[static_cast<std::size_t>(k)]).c_str(), _S_IWRITE) == 0,
              "_chmod failed");
      }));
  // Each rename makes the platform look the new name up in the whole folder, so fewer in a big one.
  const int renames = std::clamp(2'000'000 / count, 20, std::min(200, count));
  const auto renamed = [&](int k, bool forth) {
    const std::string old_path = folder + "\\" + names[static_cast<std::size_t>(k)];
    const std::string new_path = folder + "\\X" + names[static_cast<std::size_t>(k)];
    check((forth ? std::rename(old_path.c_str(), new_path.c_str())
                 : std::rename(new_path.c_str(), old_path.c_str())) == 0,
          "rename failed in " + folder);
  };
  const double forth = per_call(renames, [&](int k) { renamed(k, true); });
  const double back = per_call(renames, [&](int k) { renamed(k, false); });
  add("rename (in this folder)", (forth + back) / 2);
  const char* texts[] = {"FOTO_1", "FOTO_2"};
  add("SetDlgItemTextA (edit)", per_call(kCalls, [&](int k) {
        check(SetDlgItemTextA(dialog, IDC_PROBE_EDIT, texts[k % 2]) != FALSE,
              "SetDlgItemTextA failed");
      }));
  add("SetDlgItemTextA (static)", per_call(kCalls, [&](int k) {
        check(SetDlgItemTextA(dialog, IDC_PROBE_MESSAGE, texts[k % 2]) != FALSE,
              "SetDlgItemTextA failed");
      }));
  add("GetDlgItemTextA (edit)", per_call(kCalls, [&](int) {
        check(GetDlgItemTextA(dialog, IDC_PROBE_EDIT, buffer.data(), 260) > 0,
              "GetDlgItemTextA failed");
      }));
  add("EnableWindow", per_call(kCalls, [&](int k) { EnableWindow(button, k % 2); }));
  return costs;
}

int run_probe_child(const std::string& mode) {
  if (mode == "--exit") {
    return 0;
  }
  const ProbeDialog probe;
  ShowWindow(probe.handle(), SW_SHOW);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(probe.handle(), &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return 0;
}

}  // namespace veltrano::bench
