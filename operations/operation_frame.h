// The common frame of the operation dialogs: the roles of their controls, the preview built
// through a stem transform, and the commands that close a dialog with or without renaming.
#pragma once

#include <string>

#include "engine/dialog.h"
#include "engine/dialog_proc.h"
#include "engine/folder.h"
#include "engine/windows_names.h"
#include "resources/resource_ids.h"

namespace veltrano {

// The controls of an operation dialog, numbered by role from its control base.
struct OperationControls {
  int base;
  constexpr ControlId before_list() const { return base + OFFSET_BEFORE_LIST; }
  constexpr ControlId after_list() const { return base + OFFSET_AFTER_LIST; }
  constexpr ControlId input() const { return base + OFFSET_INPUT; }
  constexpr ControlId rename_button() const { return base + OFFSET_RENAME; }
  constexpr ControlId cancel_button() const { return base + OFFSET_CANCEL; }
  constexpr ControlId extension_list() const { return base + OFFSET_EXTENSION_LIST; }
};

// Rewrites a stem in place.
using StemTransform = void (*)(std::string& stem);

// Rebuilds the after list whole: entry i is `make_new_stem` applied to before-list entry i, or
// that entry unchanged when the file's name is not exact (the file is never renamed, and the
// preview says so). `make_new_stem` runs for every entry, in order.
template <typename MakeNewStem>
void rebuild_after_list(Dialog& dialog, ControlId before_list, ControlId extension_list,
                        ControlId after_list, MakeNewStem&& make_new_stem) {
  FrozenList frozen(dialog, after_list);
  dialog.list_reset(after_list);
  const int count = dialog.list_count(before_list);
  for (int i = 0; i < count; ++i) {
    std::string stem = dialog.list_text(before_list, i);
    std::string new_stem = make_new_stem(stem);
    const bool exact = is_exact_name(stem + dialog.list_text(extension_list, i));
    dialog.list_insert(after_list, i, exact ? new_stem : stem);
  }
}

// Rebuilds the after list from the before list through `transform`.
void build_preview(Dialog& dialog, const OperationControls& controls, StemTransform transform);

// Handles the commands that every operation dialog shares: Esc and the close box (2) and
// "Annulla" end the dialog with 0; "Rinomina" renames every file by the after list, then ends the
// dialog with 0. Returns true when `control` was one of these.
bool handle_closing_command(Dialog& dialog, Folder& folder, ControlId control,
                            ControlId before_list, ControlId extension_list, ControlId after_list,
                            ControlId rename_button, ControlId cancel_button);

// The whole procedure of a dialog whose operation takes no input: list the folder, show the
// preview once, enable "Rinomina".
void run_fixed_operation(Dialog& dialog, Folder& folder, const DialogMessage& message,
                         const OperationControls& controls, StemTransform transform);

}  // namespace veltrano
