// The scenes of `make demo`, in the order in which they are played. Each starts and ends with the
// main dialog shown; each picture is named after what it shows.
//   veltrano_demo VELTRANO.EXE SAMPLE_FOLDER OUT_FOLDER
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tools/demo-scenes/stage.h"

namespace veltrano::demo {
namespace {

using e2e::dialog_of;
using e2e::Window;

// Opens the dialog of an operation, types into its fields in turn, pictures it and closes it with
// "Annulla".
void picture_operation(Stage& stage, const OperationControls& operation, const char* picture,
                       const std::vector<std::pair<int, const char*>>& typing = {}) {
  Window dialog = e2e::open_operation(stage.program(), dialog_of(operation));
  for (const auto& [field, text] : typing) {
    if (field != typing.front().first) {
      dialog.key(VK_TAB);  // typing goes to the field with the focus
    }
    dialog.type(field, text);
  }
  stage.capture(dialog, picture);
  dialog.press(operation.cancel_button);
  dialog.wait_closed();
}

// Starts the program again on a folder of its own holding `files` (UTF-8 names), opens the dialog
// of `operation`, lets `show` picture it, and closes the dialog and the program.
template <typename Show>
void picture_on_own_folder(Stage& stage, const e2e::Names& files,
                           const OperationControls& operation, Show&& show) {
  e2e::Folder folder(files);
  e2e::Program program(stage.exe(), folder.path());
  Window dialog = e2e::open_operation(program, dialog_of(operation));
  show(dialog);
  dialog.press(operation.cancel_button);
  dialog.wait_closed();
  e2e::quit(program);
}

void main_dialog(Stage& stage) {
  stage.capture(stage.main_dialog(), "01-main");
}

void fixed_operations(Stage& stage) {
  const std::pair<OperationControls, const char*> pictures[] = {
      {kUnderscoreToSpace, "02-underscore-to-space"},
      {kSpaceToUnderscore, "03-space-to-underscore"},
      {kNormalText, "04-normal-text"},
      {kTitleCase, "05-title-case"},
      {kUpperCase, "06-upper-case"},
      {kLowerCase, "07-lower-case"}};
  for (const auto& [operation, picture] : pictures) {
    picture_operation(stage, operation, picture);
  }
}

void typed_operations(Stage& stage) {
  picture_operation(stage, kFindReplace, "10-find-replace",
                    {{kFindReplace.input, "e"}, {kFindReplace.second_input, "E"}});
  picture_operation(stage, kAddAtStart, "11-add-at-start", {{kAddAtStart.input, "2024 - "}});
  picture_operation(stage, kAddAtEnd, "12-add-at-end", {{kAddAtEnd.input, " (copia)"}});
}

// The sample folder holds .profile, whose empty stem refuses every count: the live preview is
// shown on a folder of track names.
void delete_first_chars(Stage& stage) {
  picture_on_own_folder(stage, {"01 - Alba.mp3", "02 - Sole.mp3", "03 - Luna.mp3", "04 - Mare.mp3"},
                        kDeleteFirstChars, [&](Window& dialog) {
                          dialog.type(kDeleteFirstChars.input, "5");
                          stage.capture(dialog, "13-delete-first-chars");
                        });
}

// The numbers of the sample folder stand at different places, where the renumbering dialog only
// warns: it is shown on a folder whose numbers stand at the same place.
void renumber(Stage& stage) {
  picture_on_own_folder(stage,
                        {"vacanze 01 mare.jpg", "vacanze 02 lago.jpg", "vacanze 03 monti.jpg",
                         "vacanze 04 citt\xC3\xA0.jpg", "vacanze 05 notte.jpg", "elenco.txt"},
                        kRenumber.frame, [&](Window& dialog) {
                          stage.capture(dialog, "14-renumber-waiting");
                          dialog.type(kRenumber.frame.input, "1");
                          stage.capture(dialog, "15-renumber-preview");
                        });
}

}  // namespace
}  // namespace veltrano::demo

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: veltrano_demo VELTRANO.EXE SAMPLE_FOLDER OUT_FOLDER\n");
    return 2;
  }
  using namespace veltrano::demo;
  return run_demo(argv[1], argv[2], argv[3],
                  {{"main_dialog", main_dialog},
                   {"fixed_operations", fixed_operations},
                   {"typed_operations", typed_operations},
                   {"delete_first_chars", delete_first_chars},
                   {"renumber", renumber}});
}
