// The renumbering dialog: its three opening states, the start number and the digit count typed
// as a user types them, and a renumbering applied on disk.
#include <algorithm>
#include <string>
#include <vector>

#include "interface/texts.h"
#include "resources/resource_ids.h"
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/dialogs.h"
#include "tests/e2e/driver/registry.h"
#include "tests/e2e/driver/test_folder.h"

namespace veltrano::e2e {
namespace {

// Opens the dialog and checks that its working lists and marker line are hidden.
DialogWindow open_renumbering(const Program& program) {
  DialogWindow dialog = open_operation(program, kRenumber);
  for (const int id :
       {IDC_REN_NUMBERED_STEMS, IDC_REN_EXTENSIONS, IDC_REN_FIRST_POSITIONS, IDC_REN_CHECK_LIST,
        IDC_REN_LAST_POSITIONS, IDC_REN_UNUSED_LIST, IDC_REN_MARKER}) {
    check(!dialog.is_visible(id), "control " + std::to_string(id) + " is shown");
  }
  return dialog;
}

void check_state(const DialogWindow& dialog, const Names& after, const char* message,
                 bool can_rename) {
  check_equal(dialog.list_entries(IDC_REN_AFTER), after, "after list");
  check_equal(dialog.text(IDC_REN_MESSAGE), message, "message line");
  check(dialog.is_enabled(IDC_REN_RENAME) == can_rename,
        can_rename ? "\"Rinomina\" is disabled" : "\"Rinomina\" is enabled");
}

// Closes the dialog with `closing`, then the program, and checks that no file changed.
void close_and_quit(const Program& program, DialogWindow& dialog, Closing closing,
                    const TestFolder& folder, const Contents& contents) {
  close_dialog(dialog, closing, IDC_REN_CANCEL);
  dialog.wait_closed();
  quit(program);
  check_equal(folder.contents(), contents, "files");
}

}  // namespace

E2E_CASE(renumbering_warns_when_it_cannot_renumber) {
  struct Layout {
    const char* label;
    Names files;
    const char* marker;
    Names before;
    Names after;
  };
  const Layout layouts[] = {
      {"no stem with a digit",
       {"mare.jpg", "sole.png", "canzone.mp3", "prog1.exe"},
       texts::kMarkerNoDigits,
       {texts::kWarningTitle, texts::kNoDigits},
       {}},
      {"numbers at different places",
       {"foto 3 mare.jpg", "foto 12 mare.jpg", "mare.jpg"},
       texts::kMarkerPositionDiffers,
       {texts::kWarningTitle, texts::kPositionDiffers1, texts::kPositionDiffers2},
       {texts::kWarningTitle, texts::kPositionDiffers1, texts::kPositionDiffers2}},
  };
  for (const auto& layout : layouts) {
    in_context(layout.label, [&] {
      TestFolder folder;
      folder.add_files(layout.files);
      const auto contents = folder.contents();
      Program program(target.exe, folder.path());
      DialogWindow dialog = open_renumbering(program);
      check_equal(dialog.text(IDC_REN_MARKER), layout.marker, "marker line");
      check_equal(dialog.list_entries(IDC_REN_BEFORE), layout.before, "before list");
      check_state(dialog, layout.after, "", false);
      for (const int id : {IDC_REN_START, IDC_REN_DIGIT_COUNT}) {
        check(!dialog.is_enabled(id), "field " + std::to_string(id) + " is enabled");
        check_equal(dialog.text(id), "", "field " + std::to_string(id));
      }
      close_and_quit(program, dialog, Closing::kButton, folder, contents);
    });
  }
}

E2E_CASE(renumbering_follows_the_typed_start_number_and_digit_count) {
  TestFolder folder;
  Names numbered;
  for (int i = 1; i <= 9; ++i) {
    numbered.push_back("img" + std::to_string(i) + "_.jpg");
  }
  folder.add_files(numbered);
  folder.add_files({"note.txt", "LEGGIMI"});
  const auto contents = folder.contents();
  const Names listed = folder.stems_in_order(numbered);
  const auto renumbered = [&](int start, std::size_t digits) {
    Names after;
    for (std::size_t i = 0; i < listed.size(); ++i) {
      const std::string number = std::to_string(start + static_cast<int>(i));
      after.push_back("img" + std::string(digits - number.size(), '0') + number);
    }
    return after;
  };

  Program program(target.exe, folder.path());
  DialogWindow dialog = open_renumbering(program);
  // Waiting for a start number.
  check_equal(dialog.text(IDC_REN_MARKER), "", "marker line");
  check_equal(dialog.list_entries(IDC_REN_BEFORE), listed, "before list");
  check_state(dialog, {}, "", false);
  check_equal(dialog.text(IDC_REN_START), "", "\"Inizia da\"");
  check_equal(dialog.text(IDC_REN_DIGIT_COUNT), "3", "\"Numero cifre\"");
  check(dialog.is_enabled(IDC_REN_START) && dialog.is_enabled(IDC_REN_DIGIT_COUNT),
        "a field is disabled");

  dialog.type(IDC_REN_START, "1");
  check_state(dialog, renumbered(1, 3), "", true);
  const struct {
    const char* digits;
    Names after;
    const char* message;
  } digit_counts[] = {
      {"1", renumbered(1, 1), ""},  // 1 to 9
      {"2", renumbered(1, 2), ""},
      {"8", {}, texts::kDigitCountTooHigh},
      {"0", {}, texts::kDigitCountTooLow},
  };
  for (const auto& row : digit_counts) {
    in_context(std::string("digit count ") + row.digits, [&] {
      dialog.replace_text(IDC_REN_DIGIT_COUNT, row.digits);
      check_state(dialog, row.after, row.message, !row.after.empty());
    });
  }
  in_context("the fields take digits only, as many as they allow", [&] {
    dialog.replace_text(IDC_REN_DIGIT_COUNT, "x5y7");
    check_equal(dialog.text(IDC_REN_DIGIT_COUNT), "5", "\"Numero cifre\"");
    dialog.replace_text(IDC_REN_START, "-98765");
    check_equal(dialog.text(IDC_REN_START), "9876", "\"Inizia da\"");
    check_state(dialog, renumbered(9876, 5), "", true);
  });
  close_and_quit(program, dialog, Closing::kButton, folder, contents);
}

E2E_CASE(renumbering_refuses_a_present_stem_and_keeps_a_preview_when_a_field_empties) {
  TestFolder folder;
  folder.add_files({"a1.txt", "a2.txt", "nota.doc"});
  const auto contents = folder.contents();
  const Names listed = folder.stems_in_order({"a1.txt", "a2.txt"});
  // Starting at the second file's number gives the first file the second one's present stem.
  const int start = std::stoi(listed[1].substr(1));

  Program program(target.exe, folder.path());
  DialogWindow dialog = open_renumbering(program);
  dialog.replace_text(IDC_REN_DIGIT_COUNT, "1");
  dialog.type(IDC_REN_START, std::to_string(start));
  std::string next = "a";  // not "a" + ...: GCC 12 warns wrongly about that sum
  next += std::to_string(start + 1);
  check_state(dialog, {listed[1], next}, texts::kRenumberClash, false);

  dialog.replace_text(IDC_REN_START, "3");
  check_state(dialog, {"a3", "a4"}, "", true);
  // Emptying a field recomputes nothing: the preview and "Rinomina" stay.
  dialog.replace_text(IDC_REN_START, "");
  check_equal(dialog.text(IDC_REN_START), "", "\"Inizia da\"");
  check_state(dialog, {"a3", "a4"}, "", true);
  close_and_quit(program, dialog, Closing::kEnter, folder, contents);  // Enter presses "Annulla"
}

E2E_CASE(renumbering_renames_in_enumeration_order) {
  TestFolder folder;
  const Names numbered = {"citt\xE0 05.jpg", "festa 17.jpg", "notte 09.png", "festa 17.txt"};
  folder.add_files(numbered);
  folder.add_files({"mare.jpg", "LEGGIMI", "prog1.exe"});
  folder.make_read_only("notte 09.png");
  // Every numbered stem has its number at the same place; the new numbers follow the order of
  // the folder, extensions stay.
  Names after;
  Renames renames;
  for (const auto& name : folder.names()) {
    if (std::find(numbered.begin(), numbered.end(), name) != numbered.end()) {
      after.push_back(name.substr(0, 6) + "00" + std::to_string(after.size() + 1));
      renames.emplace_back(name, after.back() + name.substr(name.rfind('.')));
    }
  }
  const auto expected = renamed(folder.contents(), renames);

  Program program(target.exe, folder.path());
  DialogWindow dialog = open_renumbering(program);
  check_equal(dialog.list_entries(IDC_REN_BEFORE), folder.stems_in_order(numbered), "before list");
  dialog.type(IDC_REN_START, "1");
  check_state(dialog, after, "", true);
  dialog.press(IDC_REN_RENAME);
  dialog.wait_closed();
  wait_for_dialog(program, kMainCaption);
  check_equal(folder.contents(), expected, "files after \"Rinomina\"");
  quit(program);
}

}  // namespace veltrano::e2e
