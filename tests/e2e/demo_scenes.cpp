// The scenes of `make demo`, in the order in which they are played. Each starts and ends with the
// main dialog shown; each picture is named after what it shows.
#include <initializer_list>
#include <utility>

#include "resources/resource_ids.h"
#include "tests/e2e/driver/captions.h"
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/demo.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/test_folder.h"

namespace veltrano::e2e {
namespace {

// Opens the dialog of a main-dialog button, pictures it, and closes it with "Annulla".
void picture_operation(Stage& stage, int button, const char* caption, int base,
                       const char* picture) {
  stage.main_dialog().press(button);
  DialogWindow dialog = wait_for_dialog(stage.program(), caption);
  stage.capture(dialog, picture);
  dialog.press(base + OFFSET_CANCEL);
  dialog.wait_closed();
}

// Opens the dialog of an operation with input, types into its fields in turn, pictures the live
// preview and closes the dialog with "Annulla".
void picture_typed_operation(Stage& stage, int button, const char* caption, int base,
                             std::initializer_list<std::pair<int, const char*>> typing,
                             const char* picture) {
  stage.main_dialog().press(button);
  DialogWindow dialog = wait_for_dialog(stage.program(), caption);
  for (const auto& [field, text] : typing) {
    dialog.type(field, text);
  }
  stage.capture(dialog, picture);
  dialog.press(base + OFFSET_CANCEL);
  dialog.wait_closed();
}

// Starts the program again on a folder of its own holding `files`, opens the dialog of a
// main-dialog button, lets `show` picture it, and closes the dialog and the program.
template <typename Show>
void picture_on_own_folder(Stage& stage, std::initializer_list<std::string_view> files, int button,
                           const char* caption, int cancel_button, Show&& show) {
  TestFolder folder;
  folder.add_files(files);
  Program program(stage.exe(), folder.path());
  wait_for_dialog(program, kMainCaption).press(button);
  DialogWindow dialog = wait_for_dialog(program, caption);
  show(dialog);
  dialog.press(cancel_button);
  dialog.wait_closed();
  wait_for_dialog(program, kMainCaption).press_escape();
  check(program.expect_exit() == 0, "a demo scene's program ended with a non-zero status");
}

}  // namespace

E2E_SCENE(main_dialog) {
  stage.capture(stage.main_dialog(), "01-main");
}

E2E_SCENE(underscore_to_space) {
  picture_operation(stage, IDC_MAIN_UNDERSCORE_TO_SPACE, kUnderscoreToSpaceCaption,
                    BASE_UNDERSCORE_TO_SPACE, "02-underscore-to-space");
}

E2E_SCENE(space_to_underscore) {
  picture_operation(stage, IDC_MAIN_SPACE_TO_UNDERSCORE, kSpaceToUnderscoreCaption,
                    BASE_SPACE_TO_UNDERSCORE, "03-space-to-underscore");
}

E2E_SCENE(normal_text) {
  picture_operation(stage, IDC_MAIN_NORMAL_TEXT, kNormalTextCaption, BASE_NORMAL_TEXT,
                    "04-normal-text");
}

E2E_SCENE(title_case) {
  picture_operation(stage, IDC_MAIN_TITLE_CASE, kTitleCaseCaption, BASE_TITLE_CASE,
                    "05-title-case");
}

E2E_SCENE(upper_case) {
  picture_operation(stage, IDC_MAIN_UPPER_CASE, kUpperCaseCaption, BASE_UPPER_CASE,
                    "06-upper-case");
}

E2E_SCENE(lower_case) {
  picture_operation(stage, IDC_MAIN_LOWER_CASE, kLowerCaseCaption, BASE_LOWER_CASE,
                    "07-lower-case");
}

E2E_SCENE(find_replace) {
  picture_typed_operation(stage, IDC_MAIN_FIND_REPLACE, kFindReplaceCaption, BASE_FIND_REPLACE,
                          {{BASE_FIND_REPLACE + OFFSET_INPUT, "e"}, {IDC_FR_REPLACEMENT, "E"}},
                          "10-find-replace");
}

E2E_SCENE(add_at_start) {
  picture_typed_operation(stage, IDC_MAIN_ADD_AT_START, kAddAtStartCaption, BASE_ADD_AT_START,
                          {{BASE_ADD_AT_START + OFFSET_INPUT, "2024 - "}}, "11-add-at-start");
}

E2E_SCENE(add_at_end) {
  picture_typed_operation(stage, IDC_MAIN_ADD_AT_END, kAddAtEndCaption, BASE_ADD_AT_END,
                          {{BASE_ADD_AT_END + OFFSET_INPUT, " (copia)"}}, "12-add-at-end");
}

// The sample folder holds .profile, whose empty stem refuses every count: the live preview is
// shown on a folder of track names.
E2E_SCENE(delete_first_chars) {
  picture_on_own_folder(stage, {"01 - Alba.mp3", "02 - Sole.mp3", "03 - Luna.mp3", "04 - Mare.mp3"},
                        IDC_MAIN_DELETE_FIRST, kDeleteFirstCharsCaption,
                        BASE_DELETE_FIRST_CHARS + OFFSET_CANCEL, [&](DialogWindow& dialog) {
                          dialog.type(BASE_DELETE_FIRST_CHARS + OFFSET_INPUT, "5");
                          stage.capture(dialog, "13-delete-first-chars");
                        });
}

// The numbers of the sample folder stand at different places, where the renumbering dialog only
// warns: it is shown on a folder whose numbers stand at the same place.
E2E_SCENE(renumber) {
  picture_on_own_folder(stage,
                        {"vacanze 01 mare.jpg", "vacanze 02 lago.jpg", "vacanze 03 monti.jpg",
                         "vacanze 04 citt\xE0.jpg", "vacanze 05 notte.jpg", "elenco.txt"},
                        IDC_MAIN_RENUMBER, kRenumberCaption, IDC_REN_CANCEL,
                        [&](DialogWindow& dialog) {
                          stage.capture(dialog, "14-renumber-waiting");
                          dialog.type(IDC_REN_START, "1");
                          stage.capture(dialog, "15-renumber-preview");
                        });
}

}  // namespace veltrano::e2e
