// What the dialog loop does with each result of the main dialog: the dispatch table.
#pragma once

#include <array>

#include "app/main_dialog.h"
#include "interface/controls.h"
#include "interface/dialog_proc.h"
#include "operations/add_text.h"
#include "operations/delete_first_chars.h"
#include "operations/find_replace.h"
#include "operations/fixed_operations.h"
#include "operations/renumber.h"

namespace veltrano {

struct DialogStep {
  enum class Action { kOpenDialog, kShowMainAgain, kEnd };
  int result;  // the main dialog's result
  Action action;
  int template_id = 0;        // for kOpenDialog
  DialogProc proc = nullptr;  // for kOpenDialog
};

// One row for each result from 303 to 317; every other result ends the loop.
inline constexpr std::array<DialogStep, 15> kDispatchTable = {{
    {kFindReplace.main_button, DialogStep::Action::kOpenDialog, kFindReplace.template_id,
     &find_replace_dialog_proc},
    {kDeleteFirstChars.main_button, DialogStep::Action::kOpenDialog, kDeleteFirstChars.template_id,
     &delete_first_chars_dialog_proc},
    {kAddAtStart.main_button, DialogStep::Action::kOpenDialog, kAddAtStart.template_id,
     &add_at_start_dialog_proc},
    {kAddAtEnd.main_button, DialogStep::Action::kOpenDialog, kAddAtEnd.template_id,
     &add_at_end_dialog_proc},
    {307, DialogStep::Action::kShowMainAgain},
    {308, DialogStep::Action::kShowMainAgain},
    {kRenumber.frame.main_button, DialogStep::Action::kOpenDialog, kRenumber.frame.template_id,
     &renumber_dialog_proc},
    {kUnderscoreToSpace.main_button, DialogStep::Action::kOpenDialog,
     kUnderscoreToSpace.template_id, &underscore_to_space_dialog_proc},
    {kSpaceToUnderscore.main_button, DialogStep::Action::kOpenDialog,
     kSpaceToUnderscore.template_id, &space_to_underscore_dialog_proc},
    {kNormalText.main_button, DialogStep::Action::kOpenDialog, kNormalText.template_id,
     &normal_text_dialog_proc},
    {kTitleCase.main_button, DialogStep::Action::kOpenDialog, kTitleCase.template_id,
     &title_case_dialog_proc},
    {kUpperCase.main_button, DialogStep::Action::kOpenDialog, kUpperCase.template_id,
     &upper_case_dialog_proc},
    {kLowerCase.main_button, DialogStep::Action::kOpenDialog, kLowerCase.template_id,
     &lower_case_dialog_proc},
    {kMain.quit_button, DialogStep::Action::kEnd},
    {kMain.swap_button, DialogStep::Action::kShowMainAgain},
}};

// The index of the row for a main-dialog result, or -1 when the result ends the loop.
constexpr int dispatch_row(int result) {
  for (std::size_t i = 0; i < kDispatchTable.size(); ++i) {
    if (kDispatchTable[i].result == result) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace veltrano
