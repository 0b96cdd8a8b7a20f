// What the dialog loop does with each result of the main dialog: the dispatch table.
#pragma once

#include <array>

#include "app/main_dialog.h"
#include "engine/dialog_proc.h"
#include "operations/add_text.h"
#include "operations/delete_first_chars.h"
#include "operations/find_replace.h"
#include "operations/fixed_operations.h"
#include "operations/renumber.h"
#include "resources/resource_ids.h"

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
    {IDC_MAIN_FIND_REPLACE, DialogStep::Action::kOpenDialog, IDD_FIND_REPLACE,
     &find_replace_dialog_proc},
    {IDC_MAIN_DELETE_FIRST, DialogStep::Action::kOpenDialog, IDD_DELETE_FIRST_CHARS,
     &delete_first_chars_dialog_proc},
    {IDC_MAIN_ADD_AT_START, DialogStep::Action::kOpenDialog, IDD_ADD_AT_START,
     &add_at_start_dialog_proc},
    {IDC_MAIN_ADD_AT_END, DialogStep::Action::kOpenDialog, IDD_ADD_AT_END, &add_at_end_dialog_proc},
    {307, DialogStep::Action::kShowMainAgain},
    {308, DialogStep::Action::kShowMainAgain},
    {IDC_MAIN_RENUMBER, DialogStep::Action::kOpenDialog, IDD_RENUMBER, &renumber_dialog_proc},
    {IDC_MAIN_UNDERSCORE_TO_SPACE, DialogStep::Action::kOpenDialog, IDD_UNDERSCORE_TO_SPACE,
     &underscore_to_space_dialog_proc},
    {IDC_MAIN_SPACE_TO_UNDERSCORE, DialogStep::Action::kOpenDialog, IDD_SPACE_TO_UNDERSCORE,
     &space_to_underscore_dialog_proc},
    {IDC_MAIN_NORMAL_TEXT, DialogStep::Action::kOpenDialog, IDD_NORMAL_TEXT,
     &normal_text_dialog_proc},
    {IDC_MAIN_TITLE_CASE, DialogStep::Action::kOpenDialog, IDD_TITLE_CASE, &title_case_dialog_proc},
    {IDC_MAIN_UPPER_CASE, DialogStep::Action::kOpenDialog, IDD_UPPER_CASE, &upper_case_dialog_proc},
    {IDC_MAIN_LOWER_CASE, DialogStep::Action::kOpenDialog, IDD_LOWER_CASE, &lower_case_dialog_proc},
    {IDC_MAIN_QUIT, DialogStep::Action::kEnd},
    {IDC_MAIN_SWAP_TITLE_ARTIST, DialogStep::Action::kShowMainAgain},
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
