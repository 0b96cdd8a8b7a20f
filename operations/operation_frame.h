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

// Fills the after list anew: entry i is `make_new_stem` applied to present stem i (called in
// order, for every entry), or the present stem itself when the file's name is not exact: such a
// file is never renamed, and the preview says so.
template <typename MakeNewStem>
StemLists rebuild_after_list_from(Dialog& dialog, std::vector<std::string> before_stems,
                                  std::vector<std::string> extensions, ControlId after_list,
                                  MakeNewStem&& make_new_stem) {
  StemLists stems{std::move(before_stems), std::move(extensions), {}};
  stems.after.reserve(stems.before.size());
  for (std::size_t i = 0; i < stems.before.size(); ++i) {
    const std::string& stem = stems.before[i];
    std::string new_stem = make_new_stem(stem);
    const bool exact = i < stems.extensions.size() && is_exact_name(stem, stems.extensions[i]);
    stems.after.push_back(exact ? std::move(new_stem) : stem);
  }
  fill_list(dialog, after_list, stems.after);
  return stems;
}

// Rebuilds the after list whole from the before and extension lists: entry i is `make_new_stem`
// applied to before-list entry i, as above.
template <typename MakeNewStem>
StemLists rebuild_after_list(Dialog& dialog, ControlId before_list, ControlId extension_list,
                             ControlId after_list, MakeNewStem&& make_new_stem) {
  return rebuild_after_list_from(dialog, list_entries(dialog, before_list),
                                 list_entries(dialog, extension_list), after_list,
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
