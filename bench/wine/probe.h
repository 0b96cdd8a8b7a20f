// The probe: a dialog of this process with list boxes styled as the program's. It measures what
// the program's steps cannot do with less (the floors) and what each kind of call costs under the
// platform, with no program in between.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace veltrano::bench {

inline constexpr char kProbeCaption[] = "veltrano bench probe";

class ProbeDialog {
 public:
  ProbeDialog();
  ~ProbeDialog();
  ProbeDialog(const ProbeDialog&) = delete;
  ProbeDialog& operator=(const ProbeDialog&) = delete;

  HWND handle() const { return window_; }
  HWND control(int id) const;

 private:
  HWND window_;
};

// The least work of the program's steps on a folder of N files, in seconds, each the median of
// three runs through kept window handles with redrawing off.
struct Floors {
  double list = 0;             // FindFirstFileA / FindNextFileA over the folder
  double fill_before = 0;      // N stems added to a shown list (LB_ADDSTRING)
  double fill_extensions = 0;  // N extensions added to a hidden list
  double read_before = 0;      // N entries read back from the shown list
  double read_extensions = 0;  // and from the hidden one
  double fill_after = 0;       // N stems inserted at their index into a shown list
  double fill_check = 0;       // and into a hidden list (LB_INSERTSTRING): what a copy of the
                               // present stems into the check list at every keystroke would cost

  double main_listed() const { return list + fill_before; }
  double dialog_opened() const { return list + fill_before + fill_extensions; }
  double fixed_dialog_opened() const { return dialog_opened() + read_before + fill_after; }
  // Renumbering lists into four hidden lists (numbered stems, extensions, first and last digit
  // positions), then copies the stems into its shown before list.
  double renumber_dialog_opened() const { return list + fill_before + 4 * fill_extensions; }
  // The check list holds the entries the dialog does not list, filled once at opening; a keystroke
  // reads it back, which costs nothing here (the folders hold files only).
  double keystroke() const { return read_before + read_extensions + fill_after; }
};

Floors measure_floors(const ProbeDialog& probe, const std::string& folder);

// Seconds per call of each kind of call that the program makes per file, in the order measured.
using CallCosts = std::vector<std::pair<std::string, double>>;
CallCosts measure_call_costs(const ProbeDialog& probe, const std::string& folder);

// The names of the folder's entries, "." and ".." left out, in the platform's order.
std::vector<std::string> folder_names(const std::string& folder);

// The child process that times the platform's own process start: "--exit" ends at once,
// "--show" shows the probe's dialog until it is closed. Returns the exit status.
int run_probe_child(const std::string& mode);

}  // namespace veltrano::bench
