// What the operation dialogs with typed input share beyond the common frame: their message line
// and check list, their opening, and the steps that refuse an input or apply the name check.
#pragma once

#include <string_view>

#include "engine/batch_rename.h"
#include "interface/dialog.h"
#include "interface/folder.h"
#include "operations/operation_frame.h"

namespace veltrano {

// Shows the program's icon, lists the folder (the entries it does not list go to the check list,
// for the name check), gives the keyboard focus to the (first) input field and disables "Rinomina";
// the after list stays empty until an input gives a valid preview.
void open_input_dialog(Dialog& dialog, const Folder& folder, const OperationControls& controls);

// Shows `message` in the message line and disables "Rinomina"; the after list keeps what it showed.
void refuse_input(Dialog& dialog, const OperationControls& controls, std::string_view message);

// Empties the after list and disables "Rinomina"; the message line is not touched.
void clear_preview(Dialog& dialog, const OperationControls& controls);

// Runs the name check on the stems of the preview just built. When the new names may be applied,
// empties the message line and enables "Rinomina"; otherwise only disables "Rinomina" (each dialog
// reports a refusal in its own way). Returns what the check found.
NameProblem check_preview(Dialog& dialog, const Folder& folder, const OperationControls& controls,
                          const StemLists& preview);

}  // namespace veltrano
