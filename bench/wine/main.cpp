// veltrano_bench: the real veltrano.exe under the platform, against floors measured in the same
// run by a probe dialog of this process. tools/run-bench prepares the folders and runs it.
//   veltrano_bench VELTRANO.EXE WORK_FOLDER SIZES RENAMES
//     SIZES    1000,10000,100000: measures in WORK_FOLDER\files-<N>
//     RENAMES  3000x3,10000x1: "Rinomina" in WORK_FOLDER\rename-<N>-<run> and the bare loop in
//              WORK_FOLDER\bare-<N>-<run>, for run 1 to the count given
//   veltrano_bench --exit | --show   the child that times the platform's own process start
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/wine/drive.h"
#include "bench/wine/probe.h"
#include "bench/wine/report.h"
#include "bench/wine/timing.h"
#include "tests/e2e/driver/driver.h"

namespace veltrano::bench {
namespace {

constexpr double kRenameTargetFiles = 3000;

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::istringstream stream(text);
  for (std::string part; std::getline(stream, part, separator);) {
    if (!part.empty()) {
      parts.push_back(part);
    }
  }
  return parts;
}

void print_call_costs(const std::map<int, CallCosts>& costs) {
  if (costs.empty()) {
    return;
  }
  std::printf("\nCost per call under the platform, in microseconds (probe dialog, lists of N):\n");
  std::printf("%-56s", "call");
  for (const auto& [files, row] : costs) {
    std::printf("  %12s", ("N = " + format_count(files)).c_str());
  }
  std::printf("\n");
  const CallCosts& first = costs.begin()->second;
  for (std::size_t i = 0; i < first.size(); ++i) {
    std::printf("%-56s", first[i].first.c_str());
    for (const auto& [files, row] : costs) {
      std::printf("  %12.2f", row[i].second * 1e6);
    }
    std::printf("\n");
  }
  std::fflush(stdout);
}

// A measure that failed gives its reason instead of a time.
template <typename Measure>
Outcome guarded(Measure&& measure) {
  try {
    return measure();
  } catch (const e2e::CheckFailed& failure) {
    return {std::nullopt, failure.what()};
  }
}

void measure_renames(const std::string& exe, const std::string& work, const std::string& plan,
                     const Budgets& budgets, Report& report) {
  for (const std::string& entry : split(plan, ',')) {
    const auto parts = split(entry, 'x');
    const int files = std::stoi(parts.at(0));
    const int runs = std::stoi(parts.at(1));
    std::vector<double> program_times;
    std::vector<double> bare_times;
    std::string notes;
    for (int run = 1; run <= runs; ++run) {
      const std::string suffix = std::to_string(files) + "-" + std::to_string(run);
      const Outcome program = guarded(
          [&] { return rename_with_program(exe, work + "\\rename-" + suffix, files, budgets); });
      const Outcome bare =
          guarded([&] { return rename_with_bare_loop(work + "\\bare-" + suffix, files); });
      std::printf("  %s files, Rinomina run %d: %s (%s), bare loop %s %s\n",
                  format_count(files).c_str(), run,
                  program.seconds ? format_seconds(*program.seconds).c_str() : "-",
                  program.note.c_str(), bare.seconds ? format_seconds(*bare.seconds).c_str() : "-",
                  bare.note.c_str());
      std::fflush(stdout);
      if (program.seconds) {
        program_times.push_back(*program.seconds);
      }
      if (bare.seconds) {
        bare_times.push_back(*bare.seconds);
      }
      notes += "run " + std::to_string(run) + ": " + program.note +
               (bare.note.empty() ? "" : ", bare loop: " + bare.note) + "; ";
    }
    const std::string what = runs == 1 ? "1 run" : "median of " + std::to_string(runs);
    report.add_time(format_count(files),
                    "Rinomina, find and replace, to the main dialog listed (" + what +
                        "); floor: bare _chmod + rename loop",
                    program_times.empty() ? Outcome{std::nullopt, notes}
                                          : Outcome{median(program_times), notes},
                    bare_times.empty() ? std::nullopt : std::optional<double>(median(bare_times)),
                    1.1, files == kRenameTargetFiles);
  }
}

int run(const std::string& exe, const std::string& work, const std::string& sizes_text,
        const std::string& renames) {
  const Budgets budgets;
  Report report;
  Rates rates;
  std::map<int, CallCosts> costs;
  std::vector<char> self(MAX_PATH + 1, '\0');
  e2e::check(GetModuleFileNameA(nullptr, self.data(), MAX_PATH) > 0, "no path of this program");
  const ProbeDialog probe;
  std::vector<int> sizes;
  for (const std::string& size : split(sizes_text, ',')) {
    sizes.push_back(std::stoi(size));
  }
  std::sort(sizes.begin(), sizes.end());  // each size foresees the next from its rates
  for (const int files : sizes) {
    const std::string folder = work + "\\files-" + std::to_string(files);
    // Beside each size, so that the program's start and the platform's meet the same load.
    const ProcessStart start = measure_process_start(self.data(), work);
    const std::string size = format_count(files);
    report.add_time(size, "platform process start: a trivial program to its end",
                    {start.to_exit, ""}, std::nullopt, 0, false);
    report.add_time(size, "platform process start: the probe's dialog shown", {start.to_dialog, ""},
                    std::nullopt, 0, false);
    const Floors floors = measure_floors(probe, folder);
    std::printf(
        "%s files: process start %s (to a dialog %s); floors: list %s, fill %s + %s, "
        "read %s + %s, insert %s + %s\n",
        size.c_str(), format_seconds(start.to_exit).c_str(),
        format_seconds(start.to_dialog).c_str(), format_seconds(floors.list).c_str(),
        format_seconds(floors.fill_before).c_str(), format_seconds(floors.fill_extensions).c_str(),
        format_seconds(floors.read_before).c_str(), format_seconds(floors.read_extensions).c_str(),
        format_seconds(floors.fill_after).c_str(), format_seconds(floors.fill_check).c_str());
    std::fflush(stdout);
    measure_program({exe, folder, files, start.to_dialog, floors}, budgets, rates, report);
    costs[files] = measure_call_costs(probe, folder);
  }
  print_call_costs(costs);
  measure_renames(exe, work, renames, budgets, report);
  std::printf("\n");
  report.print();
  return 0;
}

}  // namespace
}  // namespace veltrano::bench

int main(int argc, char** argv) {
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  try {
    if (arguments.size() == 1 && (arguments[0] == "--exit" || arguments[0] == "--show")) {
      return veltrano::bench::run_probe_child(arguments[0]);
    }
    if (arguments.size() != 4) {
      std::fprintf(stderr,
                   "usage: veltrano_bench VELTRANO.EXE WORK_FOLDER SIZES RENAMES\n"
                   "       (SIZES like 1000,10000; RENAMES like 3000x3,10000x1)\n");
      return 2;
    }
    return veltrano::bench::run(arguments[0], arguments[1], arguments[2], arguments[3]);
  } catch (const std::exception& error) {
    std::printf("bench: %s\n", error.what());
    return 1;
  }
}
