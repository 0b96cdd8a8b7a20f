// The measures of the real program: it is started in a prepared folder and driven from this
// process, as the end-to-end cases drive it, with every wait bounded.
#pragma once

#include <map>
#include <string>

#include "bench/wine/probe.h"
#include "bench/wine/report.h"

namespace veltrano::bench {

// How long a measure may take. A measure that the rate of the previous size says would take
// longer is skipped; one that takes longer than `hard_factor` times its budget is abandoned and
// the program restarted.
struct Budgets {
  double keystroke = 10;     // one edit
  double series = 15;        // all the edits of one dialog
  double dialog_open = 60;   // one operation dialog opened
  double main_listed = 120;  // the main dialog listed
  double rename = 300;       // one "Rinomina"
  double hard_factor = 3;
};

// Seconds per file of each measure at the last size measured, to foresee the next size.
class Rates {
 public:
  void note(const std::string& measure, double seconds, int files) {
    per_file_[measure] = seconds / files;
  }
  // Whether the measure at `files` would exceed `budget`; unknown measures never do.
  bool over(const std::string& measure, int files, double budget) const {
    const auto found = per_file_.find(measure);
    return found != per_file_.end() && found->second * files > budget;
  }

 private:
  std::map<std::string, double> per_file_;
};

struct SizeRun {
  std::string exe;     // Windows path of veltrano.exe
  std::string folder;  // a folder of `files` files named like "IMG_000123 vacanze mare.jpg"
  int files;
  double process_start;  // the probe's start to its dialog shown, in seconds
  Floors floors;
};

// The main dialog listed, each operation dialog opened, keystroke-to-preview in each input dialog,
// and the program's peak memory, at one folder size.
void measure_program(const SizeRun& run, const Budgets& budgets, Rates& rates, Report& report);

// "Rinomina" in find and replace ("IMG" -> "FOTO") over `folder`, from the press until the main
// dialog shows again, listed.
Outcome rename_with_program(const std::string& exe, const std::string& folder, int files,
                            const Budgets& budgets);
// The same renames, in the same order, as a bare _chmod + rename loop in this process.
Outcome rename_with_bare_loop(const std::string& folder, int files);

}  // namespace veltrano::bench

namespace veltrano::bench {

// The platform's own process start, median of three runs of this benchmark's own program: started
// and ended at once, and started until its probe dialog shows.
struct ProcessStart {
  double to_exit = 0;
  double to_dialog = 0;
};
ProcessStart measure_process_start(const std::string& self, const std::string& folder);

}  // namespace veltrano::bench
