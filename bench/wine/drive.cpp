#include "bench/wine/drive.h"

#include <io.h>
#include <psapi.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#include "bench/wine/timing.h"
#include "tests/e2e/driver/driver.h"

namespace veltrano::bench {
namespace {

using e2e::check;
using e2e::Program;
using e2e::Window;

constexpr UINT kReadTimeoutMs = 10000;
constexpr int kEdits = 8;
constexpr std::chrono::milliseconds kSettle{100};
constexpr double kQuitPatience = 30;

// Joins texts; `"x" + std::to_string(k) + stem` trips a false warning of GCC 12.
std::string joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const std::string_view part : parts) {
    text.append(part);
  }
  return text;
}

std::string over(double seconds) {
  return "skipped (over " + std::to_string(static_cast<int>(seconds)) + " s)";
}

// Sleeps a hundredth of the time waited so far (1 to 50 ms): fine timing for short waits, little
// load on the platform during long ones.
void pause_after(double waited) {
  const double pause = std::clamp(waited / 100, 0.001, 0.05);
  std::this_thread::sleep_for(std::chrono::microseconds(static_cast<long long>(pause * 1e6)));
}

std::optional<Window> wait_shown(const Program& program, const char* caption, double cap) {
  const auto start = Clock::now();
  for (;;) {
    if (auto found = e2e::find_window(program, caption)) {
      return found;
    }
    const double waited = seconds_since(start);
    if (waited > cap || !program.running()) {
      return std::nullopt;
    }
    pause_after(waited);
  }
}

bool wait_gone(const Window& dialog, double cap) {
  const auto start = Clock::now();
  while (dialog.is_open()) {
    const double waited = seconds_since(start);
    if (waited > cap) {
      return false;
    }
    pause_after(waited);
  }
  return true;
}

HWND control_of(const Window& dialog, int id) {
  HWND control = GetDlgItem(dialog.handle(), id);
  check(control != nullptr, "no control " + std::to_string(id));
  return control;
}

// A message without pointers, or one whose text Wine carries across processes.
LRESULT ask(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  check(SendMessageTimeoutW(window, message, wparam, lparam, SMTO_NORMAL, kReadTimeoutMs,
                            &result) != 0,
        "window message " + std::to_string(message) + " got no answer");
  return static_cast<LRESULT>(result);
}

int list_count(const Window& dialog, int list) {
  return static_cast<int>(ask(control_of(dialog, list), LB_GETCOUNT, 0, 0));
}

// One entry, read alone: reading a whole list across processes would take seconds at 100,000.
// The names here are ASCII, so the UTF-16 answer narrows byte for byte.
std::string list_entry(const Window& dialog, int list, int index) {
  HWND box = control_of(dialog, list);
  const auto length = ask(box, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) {
    return {};
  }
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  const auto copied =
      ask(box, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(std::max<LRESULT>(copied, 0)));
  std::string narrow;
  for (const wchar_t c : text) {
    narrow.push_back(static_cast<char>(c));
  }
  return narrow;
}

// Gives the program time to paint the previous preview, as between two keys of a typist, so that
// an edit's time is its own.
void settle(const Window& dialog) {
  std::this_thread::sleep_for(kSettle);
  ask(dialog.handle(), WM_NULL, 0, 0);
}

void press(const Window& dialog, int button) {
  check(dialog.is_visible(button) && dialog.is_enabled(button),
        "button " + std::to_string(button) + " is hidden or disabled");
  check(SendNotifyMessageW(control_of(dialog, button), BM_CLICK, 0, 0) != FALSE,
        "cannot press button " + std::to_string(button));
}

// Sets an edit's text and returns once its change notification has been handled: the time from
// the keystroke to the preview shown. None when it took longer than `cap`.
std::optional<double> set_text_timed(const Window& dialog, int field, const std::string& text,
                                     double cap) {
  const std::wstring wide(text.begin(), text.end());
  HWND edit = control_of(dialog, field);
  DWORD_PTR result = 0;
  const auto start = Clock::now();
  if (SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_NORMAL,
                          static_cast<UINT>(cap * 1000), &result) != 0) {
    return seconds_since(start);
  }
  check(seconds_since(start) >= cap * 0.9,
        "WM_SETTEXT failed (error " + std::to_string(GetLastError()) + ")");
  return std::nullopt;
}

// The peak working set, as the platform reports it for another process (Wine reads VmHWM).
std::optional<double> peak_memory(const Program& program) {
  const e2e::UniqueHandle process(
      OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.id()));
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!process || !GetProcessMemoryInfo(process.get(), &counters, sizeof counters)) {
    return std::nullopt;
  }
  return static_cast<double>(counters.PeakWorkingSetSize);
}

std::string count_note(const Window& dialog, int list, int files, const char* what) {
  const int count = list_count(dialog, list);
  return count == files ? "" : std::string(what) + " holds " + std::to_string(count) + "; ";
}

// One running program at one folder size; started again after a measure was abandoned.
class Session {
 public:
  explicit Session(const SizeRun& run) : run_(run) {}
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;
  ~Session() { stop(); }

  // Starts the program: the time from process start to the main dialog shown, listed.
  Outcome start(double cap) {
    stop();
    const auto started = Clock::now();
    program_ = std::make_unique<Program>(run_.exe, e2e::widen(run_.folder));
    const auto main = wait_shown(*program_, e2e::kMainCaption, cap);
    if (!main) {
      return {std::nullopt, over(cap)};
    }
    const double took = seconds_since(started);
    return {took, count_note(*main, kMain.list, run_.files, "main list")};
  }
  bool running() const { return program_ != nullptr && program_->running(); }
  const Program& program() const { return *program_; }
  Window main_dialog() const { return e2e::wait_for(*program_, e2e::kMainCaption); }
  void stop() {
    if (program_ != nullptr) {
      note_peak();
      program_.reset();  // ends the process
    }
  }
  void quit() {
    note_peak();
    main_dialog().key(VK_ESCAPE);
    program_->expect_exit(std::chrono::milliseconds(static_cast<long long>(kQuitPatience * 1000)));
    program_.reset();
  }
  std::optional<double> peak() const { return peak_; }

 private:
  void note_peak() {
    if (const auto peak = peak_memory(*program_)) {
      peak_ = std::max(peak_.value_or(0), *peak);
    }
  }

  const SizeRun& run_;
  std::unique_ptr<Program> program_;
  std::optional<double> peak_;
};

// An operation dialog as the benchmark drives it: its lists and buttons and, for one with input,
// the edits it makes: the setup ones untimed, then edit k (1 to 8) of `field` with `text(k)`,
// which must make after-list entry 0 `expected(before entry 0, k)`.
struct Operation {
  const char* label;
  const e2e::OperationDialog& dialog;
  int template_id;
  int before, after, rename, cancel;
  std::vector<std::pair<int, std::string>> setup;
  int field = 0;  // 0: no input
  std::function<std::string(int)> text;
  std::function<std::string(const std::string&, int)> expected;
};

std::vector<Operation> operations() {
  const auto frame = [](const char* label, const OperationControls& controls) {
    return Operation{label,
                     e2e::dialog_of(controls),
                     controls.template_id,
                     controls.before_list,
                     controls.after_list,
                     controls.rename_button,
                     controls.cancel_button,
                     {},
                     0,
                     {},
                     {}};
  };
  const auto numbered = [](const char* prefix) {
    return [prefix](int k) { return prefix + std::to_string(k); };
  };
  Operation find_replace = frame("find and replace", kFindReplace);
  find_replace.setup = {{kFindReplace.input, "IMG"}};
  find_replace.field = kFindReplace.second_input;
  find_replace.text = numbered("FOTO_");
  find_replace.expected = [](const std::string& stem, int k) {
    return joined({"FOTO_", std::to_string(k), stem.substr(3)});
  };
  Operation add_start = frame("add at the start", kAddAtStart);
  add_start.field = kAddAtStart.input;
  add_start.text = numbered("x");
  add_start.expected = [](const std::string& stem, int k) {
    return joined({"x", std::to_string(k), stem});
  };
  Operation add_end = frame("add at the end", kAddAtEnd);
  add_end.field = kAddAtEnd.input;
  add_end.text = numbered("x");
  add_end.expected = [](const std::string& stem, int k) {
    return joined({stem, "x", std::to_string(k)});
  };
  Operation delete_first = frame("delete the first characters", kDeleteFirstChars);
  delete_first.field = kDeleteFirstChars.input;
  // Counts 1 to 4, twice: "IMG_" and the first digits go, and up to 100,000 files the new names
  // stay distinct, so that every edit gives a preview that "Rinomina" may apply.
  const auto deleted = [](int k) { return 1 + (k - 1) % 4; };
  delete_first.text = [deleted](int k) { return std::to_string(deleted(k)); };
  delete_first.expected = [deleted](const std::string& stem, int k) {
    return stem.substr(static_cast<std::size_t>(deleted(k)));
  };
  // Seven digits fit every start number 1 to 8 plus 100,000 files; the stems keep "IMG_".
  Operation renumber = frame("renumbering", kRenumber.frame);
  renumber.setup = {{kRenumber.frame.second_input, "7"}};
  renumber.field = kRenumber.frame.input;
  renumber.text = numbered("");
  renumber.expected = [](const std::string& stem, int k) {
    return joined({stem.substr(0, stem.find_first_of("0123456789")), "000000", std::to_string(k)});
  };
  return {find_replace, add_start, add_end,
          delete_first, renumber,  frame("upper case", kUpperCase)};
}

class ProgramMeasures {
 public:
  ProgramMeasures(const SizeRun& run, const Budgets& budgets, Rates& rates, Report& report)
      : run_(run),
        budgets_(budgets),
        rates_(rates),
        report_(report),
        size_(format_count(run.files)),
        targets_(run.files >= 10'000),
        session_(run) {}

  void run() {
    const double main_cap = budgets_.main_listed * budgets_.hard_factor;
    const Outcome first = rates_.over("main", run_.files, budgets_.main_listed)
                              ? Outcome{std::nullopt, over(budgets_.main_listed)}
                              : session_.start(main_cap);
    report_.add_time(size_, "main dialog listed, from process start", first,
                     run_.process_start + run_.floors.main_listed(), 1.5, targets_);
    progress("main dialog listed", first);
    if (first.seconds) {
      rates_.note("main", *first.seconds, run_.files);
      for (const Operation& operation : operations()) {
        // A dialog that does not behave as expected costs its own rows, not the whole run.
        try {
          measure_dialog(operation);
        } catch (const e2e::CheckFailed& failure) {
          report_.add_time(size_, name_of(operation), {std::nullopt, failure.what()}, std::nullopt,
                           0, false);
          progress(name_of(operation), {std::nullopt, failure.what()});
          session_.stop();
        }
      }
      // For information: besides the listing and the fill, this closes one dialog and makes
      // another, which no floor here measures.
      report_.add_time(
          size_, "main dialog listed again, Annulla to shown (median)",
          relists_.empty() ? Outcome{std::nullopt, "none measured"} : Outcome{median(relists_), ""},
          run_.floors.main_listed(), 1.5, false);
    }
    if (session_.running()) {
      session_.quit();
    }
    report_.add_memory(size_, session_.peak(), 150.0 * 1024 * 1024,
                       "GetProcessMemoryInfo PeakWorkingSetSize");
  }

 private:
  static std::string name_of(const Operation& operation) {
    return std::string(operation.label) + " (" + std::to_string(operation.template_id) + ")";
  }

  void progress(const std::string& measure, const Outcome& outcome) const {
    std::printf("  %s files, %s: %s %s\n", size_.c_str(), measure.c_str(),
                outcome.seconds ? format_seconds(*outcome.seconds).c_str() : "-",
                outcome.note.c_str());
    std::fflush(stdout);
  }

  void add_keystrokes(const Operation& operation, const Outcome& median_edit,
                      const Outcome& longest_edit) {
    const std::string name = "keystroke-to-preview, " + name_of(operation);
    report_.add_time(size_, name + ", median", median_edit, run_.floors.keystroke(), 1.5, targets_);
    // The target is on the median; the slowest edit shows how far the machine's noise reaches.
    report_.add_time(size_, name + ", max", longest_edit, run_.floors.keystroke(), 1.5, false);
    progress(name, median_edit);
  }

  void measure_dialog(const Operation& operation) {
    const std::string open_rate = std::string("open ") + operation.label;
    const bool fixed = operation.field == 0;
    const double floor = fixed ? run_.floors.fixed_dialog_opened()
                         : operation.template_id == kRenumber.frame.template_id
                             ? run_.floors.renumber_dialog_opened()
                             : run_.floors.dialog_opened();
    const std::string name = name_of(operation) + " opened and filled";
    const auto skip = [&](const std::string& why) {
      report_.add_time(size_, name, {std::nullopt, why}, floor, 1.5, targets_);
      progress(name, {std::nullopt, why});
      if (!fixed) {
        add_keystrokes(operation, {std::nullopt, why}, {std::nullopt, why});
      }
    };
    if (!session_.running() &&
        !session_.start(budgets_.main_listed * budgets_.hard_factor).seconds) {
      return skip("the program did not start again");
    }
    if (rates_.over(open_rate, run_.files, budgets_.dialog_open)) {
      return skip(over(budgets_.dialog_open));
    }
    const double open_cap = budgets_.dialog_open * budgets_.hard_factor;
    press(session_.main_dialog(), operation.dialog.controls.main_button);
    const auto pressed = Clock::now();
    const auto dialog = wait_shown(session_.program(), operation.dialog.caption, open_cap);
    if (!dialog) {
      session_.stop();
      return skip(over(open_cap));
    }
    const Outcome opened{
        seconds_since(pressed),
        count_note(*dialog, operation.before, run_.files, "before list") +
            (fixed ? count_note(*dialog, operation.after, run_.files, "after list") : "")};
    report_.add_time(size_, name, opened, floor, 1.5, targets_);
    progress(name, opened);
    rates_.note(open_rate, *opened.seconds, run_.files);
    if (!fixed && !measure_keystrokes(operation, *dialog)) {
      return;
    }
    press(*dialog, operation.cancel);
    const auto cancelled = Clock::now();
    if (wait_shown(session_.program(), e2e::kMainCaption,
                   budgets_.main_listed * budgets_.hard_factor)) {
      relists_.push_back(seconds_since(cancelled));
    } else {
      session_.stop();
    }
  }

  // The edits of one input dialog; false when one was abandoned and the program ended.
  bool measure_keystrokes(const Operation& operation, const Window& dialog) {
    const std::string rate = std::string("keystroke ") + operation.label;
    if (rates_.over(rate, run_.files, budgets_.keystroke)) {
      add_keystrokes(operation, {std::nullopt, over(budgets_.keystroke)},
                     {std::nullopt, over(budgets_.keystroke)});
      return true;
    }
    const double cap = budgets_.keystroke * budgets_.hard_factor;
    for (const auto& [field, text] : operation.setup) {
      if (!set_text_timed(dialog, field, text, cap)) {
        add_keystrokes(operation, {std::nullopt, over(cap)}, {std::nullopt, over(cap)});
        session_.stop();
        return false;
      }
    }
    const std::string first_stem = list_entry(dialog, operation.before, 0);
    std::vector<double> edits;
    std::string note;
    bool abandoned = false;
    const auto series = Clock::now();
    for (int k = 1; k <= kEdits; ++k) {
      settle(dialog);
      const auto took = set_text_timed(dialog, operation.field, operation.text(k), cap);
      if (!took) {
        note = "edit " + std::to_string(k) + " " + over(cap) + "; ";
        abandoned = true;
        break;
      }
      edits.push_back(*took);
      if (note.empty()) {
        const std::string wanted = operation.expected(first_stem, k);
        const std::string shown = list_entry(dialog, operation.after, 0);
        note = count_note(dialog, operation.after, run_.files, "after list") +
               (shown == wanted ? "" : "shows " + e2e::printable(shown) + "; ") +
               (dialog.is_enabled(operation.rename) ? "" : "Rinomina disabled; ");
      }
      if (seconds_since(series) + *took > budgets_.series) {
        break;
      }
    }
    note += std::to_string(edits.size()) + " edits";
    if (edits.empty()) {
      add_keystrokes(operation, {std::nullopt, note}, {std::nullopt, note});
    } else {
      add_keystrokes(operation, {median(edits), note}, {maximum(edits), ""});
      rates_.note(rate, median(edits), run_.files);
    }
    if (abandoned) {
      session_.stop();
    }
    return !abandoned;
  }

  const SizeRun& run_;
  const Budgets& budgets_;
  Rates& rates_;
  Report& report_;
  const std::string size_;
  const bool targets_;
  Session session_;
  std::vector<double> relists_;
};

int count_renamed(const std::string& folder) {
  const auto names = folder_names(folder);
  return static_cast<int>(std::count_if(names.begin(), names.end(), [](const std::string& name) {
    return name.starts_with("FOTO_");
  }));
}

std::string renamed_note(const std::string& folder, int files) {
  const int renamed = count_renamed(folder);
  return renamed == files ? ""
                          : "; renamed " + std::to_string(renamed) + " of " + std::to_string(files);
}

}  // namespace

void measure_program(const SizeRun& run, const Budgets& budgets, Rates& rates, Report& report) {
  ProgramMeasures(run, budgets, rates, report).run();
}

Outcome rename_with_program(const std::string& exe, const std::string& folder, int files,
                            const Budgets& budgets) {
  const double cap = budgets.rename;
  Program program(exe, e2e::widen(folder));
  const auto main = wait_shown(program, e2e::kMainCaption, cap);
  if (!main) {
    return {std::nullopt, over(cap)};
  }
  press(*main, kFindReplace.main_button);
  const auto dialog = wait_shown(program, e2e::dialog_of(kFindReplace).caption, cap);
  if (!dialog || !set_text_timed(*dialog, kFindReplace.input, "IMG", cap) ||
      !set_text_timed(*dialog, kFindReplace.second_input, "FOTO", cap)) {
    return {std::nullopt, over(cap)};
  }
  press(*dialog, kFindReplace.rename_button);
  const auto pressed = Clock::now();
  if (!wait_gone(*dialog, cap)) {
    return {std::nullopt, over(cap)};
  }
  const double closed = seconds_since(pressed);
  auto listed = wait_shown(program, e2e::kMainCaption, cap);
  if (!listed) {
    return {std::nullopt, over(cap)};
  }
  const double took = seconds_since(pressed);
  const std::string note =
      "dialog closed at " + format_seconds(closed) + renamed_note(folder, files);
  listed->key(VK_ESCAPE);
  program.expect_exit(std::chrono::milliseconds(static_cast<long long>(kQuitPatience * 1000)));
  return {took, note};
}

Outcome rename_with_bare_loop(const std::string& folder, int files) {
  std::vector<std::pair<std::string, std::string>> paths;
  for (const std::string& name : folder_names(folder)) {
    if (name.starts_with("IMG")) {
      paths.emplace_back(folder + "\\" + name, folder + "\\FOTO" + name.substr(3));
    }
  }
  int failures = 0;
  const double took = seconds_of([&] {
    for (const auto& [old_path, new_path] : paths) {
      failures += _chmod(old_path.c_str(), _S_IWRITE) != 0 ? 1 : 0;
      failures += std::rename(old_path.c_str(), new_path.c_str()) != 0 ? 1 : 0;
    }
  });
  return {took, (failures == 0 ? "" : std::to_string(failures) + " calls failed") +
                    renamed_note(folder, files)};
}

ProcessStart measure_process_start(const std::string& self, const std::string& folder) {
  constexpr int kRuns = 3;
  constexpr double kCap = 60;
  std::vector<double> to_exit;
  std::vector<double> to_dialog;
  for (int run = 0; run < kRuns; ++run) {
    const auto started = Clock::now();
    const Program child(self, e2e::widen(folder), "--exit");
    check(child.expect_exit(std::chrono::seconds(static_cast<int>(kCap))) == 0,
          "the probe child failed");
    to_exit.push_back(seconds_since(started));
  }
  for (int run = 0; run < kRuns; ++run) {
    const auto started = Clock::now();
    const Program child(self, e2e::widen(folder), "--show");
    const auto dialog = wait_shown(child, kProbeCaption, kCap);
    check(dialog.has_value(), "the probe child showed no dialog");
    to_dialog.push_back(seconds_since(started));
    check(PostMessageW(dialog->handle(), WM_CLOSE, 0, 0) != FALSE, "cannot close the probe child");
    check(child.expect_exit(std::chrono::seconds(static_cast<int>(kCap))) == 0,
          "the probe child failed");
  }
  return {median(to_exit), median(to_dialog)};
}

}  // namespace veltrano::bench
