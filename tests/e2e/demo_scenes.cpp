// The scenes of `make demo`, in the order in which they are played. Each starts and ends with the
// main dialog shown; each picture is named after what it shows.
#include <string>
#include <utility>
#include <vector>

#include "resources/resource_ids.h"
#include "tests/e2e/driver/demo.h"
#include "tests/e2e/driver/dialogs.h"
#include "tests/e2e/driver/test_folder.h"

namespace veltrano::e2e {
namespace {

// Opens the dialog of an operation, types into its fields in turn, pictures it and closes it with
// "Annulla".
void picture_operation(Stage& stage, const OperationDialog& operation, const char* picture,
                       const std::vector<std::pair<int, const char*>>& typing = {}) {
  DialogWindow dialog = open_operation(stage.program(), operation);
  for (const auto& [field, text] : typing) {
    dialog.type(field, text);
  }
  stage.capture(dialog, picture);
  dialog.press(operation.cancel());
  dialog.wait_closed();
}

// Starts the program again on a folder of its own holding `files`, opens the dialog of
// `operation`, lets `show` picture it, and closes the dialog and the program.
template <typename Show>
void picture_on_own_folder(Stage& stage, const Names& files, const OperationDialog& operation,
                           int cancel_button, Show&& show) {
  TestFolder folder;
  folder.add_files(files);
  Program program(stage.exe(), folder.path());
  DialogWindow dialog = open_operation(program, operation);
  show(dialog);
  dialog.press(cancel_button);
  dialog.wait_closed();
  quit(program);
}

}  // namespace

E2E_SCENE(main_dialog) {
  stage.capture(stage.main_dialog(), "01-main");
}

E2E_SCENE(fixed_operations) {
  const char* const pictures[] = {"02-underscore-to-space", "03-space-to-underscore",
                                  "04-normal-text",         "05-title-case",
                                  "06-upper-case",          "07-lower-case"};
  for (int i = 0; i < 6; ++i) {
    picture_operation(stage, kFixedOperations[i], pictures[i]);
  }
}

E2E_SCENE(typed_operations) {
  picture_operation(stage, kFindReplace, "10-find-replace",
                    {{kFindReplace.input(), "e"}, {IDC_FR_REPLACEMENT, "E"}});
  picture_operation(stage, kAddAtStart, "11-add-at-start", {{kAddAtStart.input(), "2024 - "}});
  picture_operation(stage, kAddAtEnd, "12-add-at-end", {{kAddAtEnd.input(), " (copia)"}});
}

// The sample folder holds .profile, whose empty stem refuses every count: the live preview is
// shown on a folder of track names.
E2E_SCENE(delete_first_chars) {
  picture_on_own_folder(stage, {"01 - Alba.mp3", "02 - Sole.mp3", "03 - Luna.mp3", "04 - Mare.mp3"},
                        kDeleteFirstChars, kDeleteFirstChars.cancel(), [&](DialogWindow& dialog) {
                          dialog.type(kDeleteFirstChars.input(), "5");
                          stage.capture(dialog, "13-delete-first-chars");
                        });
}

// The numbers of the sample folder stand at different places, where the renumbering dialog only
// warns: it is shown on a folder whose numbers stand at the same place.
E2E_SCENE(renumber) {
  picture_on_own_folder(stage,
                        {"vacanze 01 mare.jpg", "vacanze 02 lago.jpg", "vacanze 03 monti.jpg",
                         "vacanze 04 citt\xE0.jpg", "vacanze 05 notte.jpg", "elenco.txt"},
                        kRenumber, IDC_REN_CANCEL, [&](DialogWindow& dialog) {
                          stage.capture(dialog, "14-renumber-waiting");
                          dialog.type(IDC_REN_START, "1");
                          stage.capture(dialog, "15-renumber-preview");
                        });
}

}  // namespace veltrano::e2e
