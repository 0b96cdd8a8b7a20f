// The program's dialogs as the cases find and drive them, and the steps that every case repeats:
// open a dialog from the main dialog, close a dialog, end the program.
#pragma once

#include <string>

#include "resources/resource_ids.h"
#include "tests/e2e/driver/dialog_window.h"
#include "tests/e2e/driver/process.h"

namespace veltrano::e2e {

inline constexpr char kMainCaption[] = "   VELTRANO DI FILES";
inline constexpr int kMessageBoxOk = 1;

// An operation dialog: the main-dialog button that opens it, its caption (exactly as the program
// shows it), the base of its control identifiers and, for a dialog with input, its message line.
struct OperationDialog {
  const char* label;
  int button;
  const char* caption;
  int base;
  int message = 0;

  int before() const { return base + OFFSET_BEFORE_LIST; }
  int after() const { return base + OFFSET_AFTER_LIST; }
  int input() const { return base + OFFSET_INPUT; }
  int rename() const { return base + OFFSET_RENAME; }
  int cancel() const { return base + OFFSET_CANCEL; }
};

inline constexpr OperationDialog kUnderscoreToSpace{
    "underscores to spaces", IDC_MAIN_UNDERSCORE_TO_SPACE,
    "  VELTRANO - Sostituisci underescore (_) con spazi", BASE_UNDERSCORE_TO_SPACE};
inline constexpr OperationDialog kSpaceToUnderscore{
    "spaces to underscores", IDC_MAIN_SPACE_TO_UNDERSCORE,
    "  VELTRANO - Sostituisci spazi con underescore (_)", BASE_SPACE_TO_UNDERSCORE};
inline constexpr OperationDialog kNormalText{"normal text", IDC_MAIN_NORMAL_TEXT,
                                             "   VELTRANO - Testo normale", BASE_NORMAL_TEXT};
inline constexpr OperationDialog kTitleCase{
    "title case", IDC_MAIN_TITLE_CASE, "VELTRANO - Tutte Le Iniziali Maiuscole", BASE_TITLE_CASE};
inline constexpr OperationDialog kUpperCase{"upper case", IDC_MAIN_UPPER_CASE,
                                            "VELTRANO - TUTTE MAIUSCOLE", BASE_UPPER_CASE};
inline constexpr OperationDialog kLowerCase{"lower case", IDC_MAIN_LOWER_CASE,
                                            "   VELTRANO - tutte minuscole", BASE_LOWER_CASE};
// The six operations that take no input, in the order of the main dialog.
inline constexpr OperationDialog kFixedOperations[] = {
    kUnderscoreToSpace, kSpaceToUnderscore, kNormalText, kTitleCase, kUpperCase, kLowerCase};

inline constexpr OperationDialog kFindReplace{"find and replace", IDC_MAIN_FIND_REPLACE,
                                              "   VELTRANO - Trova e sostituisci",
                                              BASE_FIND_REPLACE, IDC_FR_MESSAGE};
inline constexpr OperationDialog kAddAtStart{"add at the start", IDC_MAIN_ADD_AT_START,
                                             "  VELTRANO - Aggiungi qualcosa all'inizio",
                                             BASE_ADD_AT_START, IDC_ADD_START_MESSAGE};
inline constexpr OperationDialog kAddAtEnd{"add at the end", IDC_MAIN_ADD_AT_END,
                                           "   VELTRANO - Aggiungi qualcosa alla fine",
                                           BASE_ADD_AT_END, IDC_ADD_END_MESSAGE};
inline constexpr OperationDialog kDeleteFirstChars{
    "delete the first characters", IDC_MAIN_DELETE_FIRST,
    "  VELTRANO - Elimina i primi tot caratteri", BASE_DELETE_FIRST_CHARS, IDC_DEL_MESSAGE};
// Its controls do not follow the offsets: use the IDC_REN_ identifiers.
inline constexpr OperationDialog kRenumber{"renumbering", IDC_MAIN_RENUMBER,
                                           "   VELTRANO - Cambia la numerazione", BASE_RENUMBER,
                                           IDC_REN_MESSAGE};

// Presses the operation's button in the main dialog and returns the dialog that opens.
DialogWindow open_operation(const Program& program, const OperationDialog& operation);

// The ways in which a user closes a dialog: one of its own buttons ("F i n e   l a v o r o" in
// the main dialog, "Annulla" in the others), Esc, Enter (where "Annulla" is the default button),
// the close box.
enum class Closing { kButton, kEscape, kEnter, kCloseBox };
inline constexpr Closing kClosings[] = {Closing::kButton, Closing::kEscape, Closing::kEnter,
                                        Closing::kCloseBox};
std::string label_of(Closing closing);
// Closes `dialog` that way; `button` is the one pressed for Closing::kButton. Returns at once.
void close_dialog(DialogWindow& dialog, Closing closing, int button);

// Ends the program with Esc in its main dialog and checks that it exits with status 0.
void quit(const Program& program);

}  // namespace veltrano::e2e
