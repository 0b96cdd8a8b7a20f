// The common frame of the operation dialogs: the preview built through a stem transform, and the
// commands that close a dialog with or without renaming.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "engine/list_contents.h"
#include "engine/windows_names.h"
#include "interface/controls.h"
#include "interface/dialog.h"
#include "interface/dialog_proc.h"
#include "interface/folder.h"

namespace veltrano {

// Rewrites a stem in place.
using StemTransform = void (*)(std::string& stem);

// The present stems and extensions that one rebuild of the after list read, and the new stems it
// put there, kept in hand so that the name check need not read any list back.
struct StemLists {
  std::vector<std::string> before;
  std::vector<std::string> extensions;
  std::vector<std::string> after;
};

// The preview, decided before any list is touched, so that the after list is filled once: entry
// i of `after` is `make_new_stem` applied to present stem i, called in order for each file whose
// name is exact, or the present stem itself for any other file: such a file is never renamed,
// takes nothing from the operation (renumbering gives it no number), and the preview says so.
template <typename MakeNewStem>
StemLists preview_stems(std::vector<std::string> before_stems, std::vector<std::string> extensions,
                        MakeNewStem&& make_new_stem) {
  StemLists stems{std::move(before_stems), std::move(extensions), {}};
  stems.after.reserve(stems.before.size());
  for (std::size_t i = 0; i < stems.before.size(); ++i) {
    const std::string& stem = stems.before[i];
    const bool exact = i < stems.extensions.size() && is_exact_name(stem, stems.extensions[i]);
    stems.after.push_back(exact ? make_new_stem(stem) : stem);
  }
  return stems;
}

// The preview of the files in the before and extension lists, as above.
template <typename MakeNewStem>
StemLists preview_stems_of_lists(const Dialog& dialog, ControlId before_list,
                                 ControlId extension_list, MakeNewStem&& make_new_stem) {
  return preview_stems(list_entries(dialog, before_list), list_entries(dialog, extension_list),
                       std::forward<MakeNewStem>(make_new_stem));
}

// Handles the commands that every operation dialog shares: Esc and the close box (2) and
// "Annulla" end the dialog with 0; "Rinomina" renames every file by the after list, under the wait
// cursor and showing how far it is, then ends the dialog with 0. Returns true when `control` was
// one of these.
bool handle_closing_command(Dialog& dialog, Folder& folder, const OperationControls& controls,
                            ControlId control);

// The whole procedure of a dialog whose operation takes no input: show the program's icon, list the
// folder, show the preview once, enable "Rinomina".
void run_fixed_operation(Dialog& dialog, Folder& folder, const DialogMessage& message,
                         const OperationControls& controls, StemTransform transform);

}  // namespace veltrano
