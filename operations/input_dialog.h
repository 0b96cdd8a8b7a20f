// What the operation dialogs with typed input share beyond the common frame: their message line
// and check list, their opening, and the steps that refuse an input or apply the name check.
#pragma once

#include <string_view>

#include "engine/batch_rename.h"
#include "engine/dialog.h"
#include "engine/folder.h"
#include "operations/operation_frame.h"

namespace veltrano {

struct InputDialogControls {
  OperationControls frame;
  ControlId check_list;
  ControlId message_line;
};

// Lists the folder (the entries it does not list go to the check list, for the name check), gives
// the keyboard focus to the (first) input field and disables "Rinomina"; the after list stays empty
// until an input gives a valid preview.
void open_input_dialog(Dialog& dialog, const Folder& folder, const InputDialogControls& controls);

// Shows `message` in the message line and disables "Rinomina"; the after list keeps what it showed.
void refuse_input(Dialog& dialog, const InputDialogControls& controls, std::string_view message);

// Empties the after list and disables "Rinomina"; the message line is not touched.
void clear_preview(Dialog& dialog, const InputDialogControls& controls);

// Runs the name check on the stems of the preview just built. When the new names may be applied,
// empties the message line and enables "Rinomina"; otherwise only disables "Rinomina" (each dialog
// reports a refusal in its own way). Returns what the check found.
NameProblem check_preview(Dialog& dialog, const Folder& folder, const InputDialogControls& controls,
                          const StemLists& preview);

// Esc, the close box, "Annulla" and "Rinomina", as in every operation dialog. Returns true when
// `control` was one of them.
bool handle_closing_command(Dialog& dialog, Folder& folder, const InputDialogControls& controls,
                            ControlId control);

}  // namespace veltrano
