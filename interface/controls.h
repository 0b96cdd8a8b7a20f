// Each dialog's controls, by name: the program, its tests and its end-to-end driver all take them
// from here. The numbers themselves are in the resource identifiers, which the templates share.
#pragma once

#include "interface/dialog.h"
#include "resources/resource_ids.h"

namespace veltrano {

// An operation dialog: its template, the main-dialog button that opens it, and its controls by
// role. A role the dialog does not have is 0.
struct OperationControls {
  int template_id;
  ControlId main_button;
  ControlId before_list, after_list, extension_list, rename_button, cancel_button;
  ControlId input = 0;         // the field whose every change rebuilds the preview
  ControlId second_input = 0;  // find and replace: the replacement; renumbering: the digit count
  ControlId check_list = 0;    // hidden: the names of the entries that the dialog does not list,
                               // and the short names
  ControlId message_line = 0;
};

// A dialog whose controls are numbered by role from `base`; a dialog with a message line also
// has an input field.
constexpr OperationControls framed(int template_id, ControlId main_button, int base,
                                   ControlId check_list = 0, ControlId message_line = 0,
                                   ControlId second_input = 0) {
  return {template_id,
          main_button,
          base + OFFSET_BEFORE_LIST,
          base + OFFSET_AFTER_LIST,
          base + OFFSET_EXTENSION_LIST,
          base + OFFSET_RENAME,
          base + OFFSET_CANCEL,
          message_line != 0 ? base + OFFSET_INPUT : 0,
          second_input,
          check_list,
          message_line};
}

inline constexpr OperationControls kFindReplace =
    framed(IDD_FIND_REPLACE, IDC_MAIN_FIND_REPLACE, BASE_FIND_REPLACE, IDC_FR_CHECK_LIST,
           IDC_FR_MESSAGE, IDC_FR_REPLACEMENT);
inline constexpr OperationControls kAddAtStart =
    framed(IDD_ADD_AT_START, IDC_MAIN_ADD_AT_START, BASE_ADD_AT_START, IDC_ADD_CHECK_LIST,
           IDC_ADD_START_MESSAGE);
inline constexpr OperationControls kAddAtEnd = framed(
    IDD_ADD_AT_END, IDC_MAIN_ADD_AT_END, BASE_ADD_AT_END, IDC_ADD_CHECK_LIST, IDC_ADD_END_MESSAGE);
inline constexpr OperationControls kDeleteFirstChars =
    framed(IDD_DELETE_FIRST_CHARS, IDC_MAIN_DELETE_FIRST, BASE_DELETE_FIRST_CHARS,
           IDC_DEL_CHECK_LIST, IDC_DEL_MESSAGE);
inline constexpr OperationControls kUnderscoreToSpace =
    framed(IDD_UNDERSCORE_TO_SPACE, IDC_MAIN_UNDERSCORE_TO_SPACE, BASE_UNDERSCORE_TO_SPACE);
inline constexpr OperationControls kSpaceToUnderscore =
    framed(IDD_SPACE_TO_UNDERSCORE, IDC_MAIN_SPACE_TO_UNDERSCORE, BASE_SPACE_TO_UNDERSCORE);
inline constexpr OperationControls kNormalText =
    framed(IDD_NORMAL_TEXT, IDC_MAIN_NORMAL_TEXT, BASE_NORMAL_TEXT);
inline constexpr OperationControls kTitleCase =
    framed(IDD_TITLE_CASE, IDC_MAIN_TITLE_CASE, BASE_TITLE_CASE);
inline constexpr OperationControls kUpperCase =
    framed(IDD_UPPER_CASE, IDC_MAIN_UPPER_CASE, BASE_UPPER_CASE);
inline constexpr OperationControls kLowerCase =
    framed(IDD_LOWER_CASE, IDC_MAIN_LOWER_CASE, BASE_LOWER_CASE);

// Renumbering does not number its controls by role: the lists that its analysis fills, then the
// common roles.
struct RenumberControls {
  ControlId numbered_stems, first_positions, last_positions, marker, unused_list;
  OperationControls frame;
};
inline constexpr RenumberControls kRenumber{
    IDC_REN_NUMBERED_STEMS,
    IDC_REN_FIRST_POSITIONS,
    IDC_REN_LAST_POSITIONS,
    IDC_REN_MARKER,
    IDC_REN_UNUSED_LIST,
    {IDD_RENUMBER, IDC_MAIN_RENUMBER, IDC_REN_BEFORE, IDC_REN_AFTER, IDC_REN_EXTENSIONS,
     IDC_REN_RENAME, IDC_REN_CANCEL, IDC_REN_START, IDC_REN_DIGIT_COUNT, IDC_REN_CHECK_LIST,
     IDC_REN_MESSAGE}};

// The eleven operation dialogs, in the order of their buttons in the main dialog.
inline constexpr OperationControls kOperationDialogs[] = {
    kFindReplace,    kDeleteFirstChars,  kAddAtStart,        kAddAtEnd,
    kRenumber.frame, kUnderscoreToSpace, kSpaceToUnderscore, kNormalText,
    kTitleCase,      kUpperCase,         kLowerCase};

struct MainControls {
  int template_id;
  ControlId label, list, quit_button, swap_button, new_functions_button;
};
inline constexpr MainControls kMain{IDD_MAIN,
                                    IDC_MAIN_LABEL,
                                    IDC_MAIN_LIST,
                                    IDC_MAIN_QUIT,
                                    IDC_MAIN_SWAP_TITLE_ARTIST,
                                    IDC_MAIN_NEW_FUNCTIONS};

}  // namespace veltrano
