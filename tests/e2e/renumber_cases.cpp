// The renumbering dialog: its three opening states, the start number and the digit count typed
// as a user types them, and a renumbering applied on disk.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/texts.h"
#include "resources/resource_ids.h"
#include "tests/e2e/driver/captions.h"
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/dialog_window.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry.h"
#include "tests/e2e/driver/test_folder.h"

namespace veltrano::e2e {
namespace {

using Names = std::vector<std::string>;

constexpr int kHiddenControls[] = {
    IDC_REN_NUMBERED_STEMS, IDC_REN_EXTENSIONS,  IDC_REN_FIRST_POSITIONS, IDC_REN_CHECK_LIST,
    IDC_REN_LAST_POSITIONS, IDC_REN_UNUSED_LIST, IDC_REN_MARKER};

std::string extension_of(const std::string& name) {
  return name.substr(name.rfind('.'));
}

// The names of `numbered` in the folder's enumeration order: the order of the program's lists.
Names in_listed_order(const TestFolder& folder, const std::set<std::string>& numbered) {
  Names names;
  for (const auto& name : folder.names()) {
    if (numbered.contains(name)) {
      names.push_back(name);
    }
  }
  return names;
}

DialogWindow open_renumbering(const Program& program) {
  wait_for_dialog(program, kMainCaption).press(IDC_MAIN_RENUMBER);
  DialogWindow dialog = wait_for_dialog(program, kRenumberCaption);
  for (const int id : kHiddenControls) {
    check(!dialog.is_visible(id), "control " + std::to_string(id) + " is shown");
  }
  return dialog;
}

void check_ready(const DialogWindow& dialog, const Names& after) {
  check_equal(dialog.list_entries(IDC_REN_AFTER), after, "after list");
  check_equal(dialog.text(IDC_REN_MESSAGE), "", "message line");
  check(dialog.is_enabled(IDC_REN_RENAME), "\"Rinomina\" is disabled");
}

void check_refused(const DialogWindow& dialog, const char* message) {
  check_equal(dialog.list_entries(IDC_REN_AFTER), Names{}, "after list");
  check_equal(dialog.text(IDC_REN_MESSAGE), message, "message line");
  check(!dialog.is_enabled(IDC_REN_RENAME), "\"Rinomina\" is enabled");
}

// Closes the dialog with "Annulla", then the program, and checks that no file changed.
void cancel_and_quit(const Program& program, DialogWindow& dialog, const TestFolder& folder,
                     const std::map<std::string, std::string>& contents) {
  dialog.press(IDC_REN_CANCEL);
  dialog.wait_closed();
  wait_for_dialog(program, kMainCaption).press_escape();
  check_equal<DWORD>(program.expect_exit(), 0, "exit status");
  check_equal(folder.contents(), contents, "files");
}

}  // namespace

E2E_CASE(renumbering_warns_when_it_cannot_renumber) {
  struct Layout {
    const char* label;
    std::vector<const char*> files;
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
      for (const auto* name : layout.files) {
        folder.add_file(name, contents_for(name));
      }
      const auto contents = folder.contents();
      Program program(target.exe, folder.path());
      DialogWindow dialog = open_renumbering(program);
      check_equal(dialog.text(IDC_REN_MARKER), layout.marker, "marker line");
      check_equal(dialog.list_entries(IDC_REN_BEFORE), layout.before, "before list");
      check_equal(dialog.list_entries(IDC_REN_AFTER), layout.after, "after list");
      check_equal(dialog.text(IDC_REN_MESSAGE), "", "message line");
      for (const int id : {IDC_REN_START, IDC_REN_DIGIT_COUNT, IDC_REN_RENAME}) {
        check(!dialog.is_enabled(id), "control " + std::to_string(id) + " is enabled");
      }
      check_equal(dialog.text(IDC_REN_START), "", "\"Inizia da\"");
      check_equal(dialog.text(IDC_REN_DIGIT_COUNT), "", "\"Numero cifre\"");
      cancel_and_quit(program, dialog, folder, contents);
    });
  }
}

E2E_CASE(renumbering_follows_the_typed_start_number_and_digit_count) {
  TestFolder folder;
  std::set<std::string> numbered;
  for (int i = 1; i <= 9; ++i) {
    numbered.insert("img" + std::to_string(i) + ".jpg");
  }
  for (const auto& name : numbered) {
    folder.add_file(name, contents_for(name));
  }
  folder.add_files({"note.txt", "LEGGIMI"});
  const auto contents = folder.contents();
  const Names listed = in_listed_order(folder, numbered);
  const auto renumbered = [&](int start, int digits) {
    Names after;
    for (std::size_t i = 0; i < listed.size(); ++i) {
      std::string number = std::to_string(start + static_cast<int>(i));
      after.push_back("img" + std::string(static_cast<std::size_t>(digits) - number.size(), '0') +
                      number);
    }
    return after;
  };

  Program program(target.exe, folder.path());
  DialogWindow dialog = open_renumbering(program);
  // Waiting for a start number.
  check_equal(dialog.text(IDC_REN_MARKER), "", "marker line");
  check_equal(dialog.list_entries(IDC_REN_BEFORE), folder.stems_in_order(numbered), "before list");
  check_equal(dialog.list_entries(IDC_REN_AFTER), Names{}, "after list");
  check_equal(dialog.text(IDC_REN_START), "", "\"Inizia da\"");
  check_equal(dialog.text(IDC_REN_DIGIT_COUNT), "3", "\"Numero cifre\"");
  check(dialog.is_enabled(IDC_REN_START) && dialog.is_enabled(IDC_REN_DIGIT_COUNT),
        "a field is disabled");
  check(!dialog.is_enabled(IDC_REN_RENAME), "\"Rinomina\" is enabled");

  dialog.type(IDC_REN_START, "1");
  check_ready(dialog, renumbered(1, 3));

  in_context("digit count 1: the test is on 1 + 9 = 10", [&] {
    dialog.replace_text(IDC_REN_DIGIT_COUNT, "1");
    check_refused(dialog, texts::kDigitCountTooLow);
  });
  in_context("digit count 2", [&] {
    dialog.replace_text(IDC_REN_DIGIT_COUNT, "2");
    check_ready(dialog, renumbered(1, 2));
  });
  in_context("digit count 8", [&] {
    dialog.replace_text(IDC_REN_DIGIT_COUNT, "8");
    check_refused(dialog, texts::kDigitCountTooHigh);
  });
  in_context("digit count 0", [&] {
    dialog.replace_text(IDC_REN_DIGIT_COUNT, "0");
    check_refused(dialog, texts::kDigitCountTooLow);
  });
  in_context("the fields take digits only, as many as they allow", [&] {
    dialog.replace_text(IDC_REN_DIGIT_COUNT, "x5y7");
    check_equal(dialog.text(IDC_REN_DIGIT_COUNT), "5", "\"Numero cifre\"");
    dialog.replace_text(IDC_REN_START, "-98765");
    check_equal(dialog.text(IDC_REN_START), "9876", "\"Inizia da\"");
    check_ready(dialog, renumbered(9876, 5));
  });
  cancel_and_quit(program, dialog, folder, contents);
}

E2E_CASE(renumbering_refuses_a_present_stem_and_keeps_a_preview_when_a_field_empties) {
  TestFolder folder;
  folder.add_files({"a1.txt", "a2.txt", "nota.doc"});
  const auto contents = folder.contents();
  const Names listed = in_listed_order(folder, {"a1.txt", "a2.txt"});
  // Starting at the second file's number gives the first file the second one's present stem.
  const std::string clashing_start = stem_of(listed[1]).substr(1);

  Program program(target.exe, folder.path());
  DialogWindow dialog = open_renumbering(program);
  dialog.replace_text(IDC_REN_DIGIT_COUNT, "1");
  dialog.type(IDC_REN_START, clashing_start);
  const int start = std::stoi(clashing_start);
  std::string next = "a";
  next += std::to_string(start + 1);
  const Names clashing = {stem_of(listed[1]), next};
  check_equal(dialog.list_entries(IDC_REN_AFTER), clashing, "after list");
  check_equal(dialog.text(IDC_REN_MESSAGE), texts::kRenumberClash, "message line");
  check(!dialog.is_enabled(IDC_REN_RENAME), "\"Rinomina\" is enabled");

  dialog.replace_text(IDC_REN_START, "3");
  check_ready(dialog, {"a3", "a4"});
  // Emptying a field recomputes nothing: the preview and "Rinomina" stay.
  dialog.replace_text(IDC_REN_START, "");
  check_equal(dialog.text(IDC_REN_START), "", "\"Inizia da\"");
  check_ready(dialog, {"a3", "a4"});

  // Enter presses "Annulla".
  dialog.press_enter();
  dialog.wait_closed();
  wait_for_dialog(program, kMainCaption).press_escape();
  check_equal<DWORD>(program.expect_exit(), 0, "exit status");
  check_equal(folder.contents(), contents, "files");
}

E2E_CASE(renumbering_renames_in_enumeration_order) {
  TestFolder folder;
  const std::set<std::string> numbered = {"citt\xE0 05.jpg", "festa 17.jpg", "notte 09.png",
                                          "festa 17.txt"};
  for (const auto& name : numbered) {
    folder.add_file(name, contents_for(name));
  }
  folder.add_files({"mare.jpg", "LEGGIMI", "prog1.exe"});
  folder.make_read_only("notte 09.png");
  const Names listed = in_listed_order(folder, numbered);

  auto expected = folder.contents();
  Names after;
  for (std::size_t i = 0; i < listed.size(); ++i) {
    const std::string new_stem = listed[i].substr(0, 6) + "00" + std::to_string(i + 1);
    after.push_back(new_stem);
    expected.erase(listed[i]);
  }
  for (std::size_t i = 0; i < listed.size(); ++i) {
    expected[after[i] + extension_of(listed[i])] = contents_for(listed[i]);
  }

  Program program(target.exe, folder.path());
  DialogWindow dialog = open_renumbering(program);
  check_equal(dialog.list_entries(IDC_REN_BEFORE), folder.stems_in_order(numbered), "before list");
  dialog.type(IDC_REN_START, "1");
  check_ready(dialog, after);
  dialog.press(IDC_REN_RENAME);
  dialog.wait_closed();
  DialogWindow main = wait_for_dialog(program, kMainCaption);
  check_equal(folder.contents(), expected, "files after \"Rinomina\"");
  main.press_escape();
  check_equal<DWORD>(program.expect_exit(), 0, "exit status");
}

}  // namespace veltrano::e2e
