// The main dialog, the end of the program, and the six operations that take no input.
#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
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

constexpr int kMessageBoxOk = 1;

// Ends the program from its main dialog and checks that it exits with status 0.
void quit(const Program& program) {
  wait_for_dialog(program, kMainCaption).press_escape();
  check_equal<DWORD>(program.expect_exit(), 0, "exit status");
}

// The ways in which a user closes a dialog without pressing one of its own buttons.
enum class Closing { kEscape, kEnter, kCloseBox };

void close_without_button(DialogWindow& dialog, Closing closing) {
  switch (closing) {
    case Closing::kEscape:
      dialog.press_escape();
      break;
    case Closing::kEnter:
      dialog.press_enter();
      break;
    case Closing::kCloseBox:
      dialog.close_box();
      break;
  }
}

// A fixed operation: the main-dialog button that opens it, its dialog, its control base.
struct FixedOperation {
  const char* label;
  int button;
  const char* caption;
  int base;
};

constexpr FixedOperation kUnderscoreToSpace{"underscores to spaces", IDC_MAIN_UNDERSCORE_TO_SPACE,
                                            kUnderscoreToSpaceCaption, BASE_UNDERSCORE_TO_SPACE};
constexpr FixedOperation kSpaceToUnderscore{"spaces to underscores", IDC_MAIN_SPACE_TO_UNDERSCORE,
                                            kSpaceToUnderscoreCaption, BASE_SPACE_TO_UNDERSCORE};
constexpr FixedOperation kNormalText{"normal text", IDC_MAIN_NORMAL_TEXT, kNormalTextCaption,
                                     BASE_NORMAL_TEXT};
constexpr FixedOperation kTitleCase{"title case", IDC_MAIN_TITLE_CASE, kTitleCaseCaption,
                                    BASE_TITLE_CASE};
constexpr FixedOperation kUpperCase{"upper case", IDC_MAIN_UPPER_CASE, kUpperCaseCaption,
                                    BASE_UPPER_CASE};
constexpr FixedOperation kLowerCase{"lower case", IDC_MAIN_LOWER_CASE, kLowerCaseCaption,
                                    BASE_LOWER_CASE};

constexpr FixedOperation kFixedOperations[] = {kUnderscoreToSpace, kSpaceToUnderscore, kNormalText,
                                               kTitleCase,         kUpperCase,         kLowerCase};

// Presses the operation's button in the main dialog and checks the dialog that opens: its
// controls, its before list, and "Rinomina" enabled at once.
DialogWindow open_operation(const Program& program, const FixedOperation& operation,
                            const std::vector<std::string>& expected_before) {
  wait_for_dialog(program, kMainCaption).press(operation.button);
  DialogWindow dialog = wait_for_dialog(program, operation.caption);
  for (const int offset : {OFFSET_BEFORE_LIST, OFFSET_AFTER_LIST, OFFSET_RENAME, OFFSET_CANCEL,
                           OFFSET_EXTENSION_LIST}) {
    check(dialog.has_control(operation.base + offset),
          "no control " + std::to_string(operation.base + offset));
  }
  check(!dialog.has_control(operation.base + OFFSET_INPUT), "the dialog has an input field");
  check(!dialog.is_visible(operation.base + OFFSET_EXTENSION_LIST), "extension list is shown");
  check(dialog.is_enabled(operation.base + OFFSET_RENAME), "\"Rinomina\" is disabled");
  check_equal(dialog.list_entries(operation.base + OFFSET_BEFORE_LIST), expected_before,
              "before list");
  return dialog;
}

// Files present in every folder of the operation cases that the program must neither list nor
// touch.
constexpr const char* kUnlistedFiles[] = {"LEGGIMI", "setup.exe", "lista.Zip"};
constexpr char kUnlistedFolder[] = "cartella.dati";

void add_unlisted_entries(TestFolder& folder) {
  for (const auto* name : kUnlistedFiles) {
    folder.add_file(name, contents_for(name));
  }
  folder.add_folder(kUnlistedFolder);
}

std::set<std::string> listable_now(const TestFolder& folder) {
  std::set<std::string> listable;
  for (const auto& name : folder.names()) {
    const bool unlisted = name == kUnlistedFolder ||
                          std::find(std::begin(kUnlistedFiles), std::end(kUnlistedFiles), name) !=
                              std::end(kUnlistedFiles);
    if (!unlisted) {
      listable.insert(name);
    }
  }
  return listable;
}

}  // namespace

E2E_CASE(main_dialog_lists_stems_by_the_listing_rule) {
  TestFolder folder;
  const std::set<std::string> listable = {
      "archive.tar.gz", "notes.txt", "notes.jpg",    ".profile",   "source.cc",
      "header.hpp",     "pack.zip2", "citt\xE0.txt", "hidden.txt", "sola lettura.doc"};
  for (const auto& name : listable) {
    folder.add_file(name, contents_for(name));
  }
  // Every excluded extension, in mixed case; names without a dot; folders, one with a dot.
  folder.add_files({"a.C", "b.h", "c.Rc", "d.EXE", "e.dB", "f.obj", "g.DEP", "h.Err", "i.res",
                    "j.PRJ", "k.Zip", "README", "Makefile"});
  folder.add_folder("cartella.con.punti");
  folder.add_folder("semplice");
  check(SetFileAttributesA((folder.path() + "\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN),
        "cannot hide hidden.txt");
  folder.make_read_only("sola lettura.doc");
  const auto contents = folder.contents();

  Program program(target.exe, folder.path());
  DialogWindow main = wait_for_dialog(program, kMainCaption);
  check_equal(main.list_entries(IDC_MAIN_LIST), folder.stems_in_order(listable), "main list");
  for (const int button : {IDC_MAIN_SWAP_TITLE_ARTIST, IDC_MAIN_NEW_FUNCTIONS}) {
    check(main.is_visible(button), "button " + std::to_string(button) + " is hidden");
    check(!main.is_enabled(button), "button " + std::to_string(button) + " is enabled");
  }
  for (const int button : {IDC_MAIN_FIND_REPLACE, IDC_MAIN_DELETE_FIRST, IDC_MAIN_ADD_AT_START,
                           IDC_MAIN_ADD_AT_END, IDC_MAIN_RENUMBER, IDC_MAIN_UNDERSCORE_TO_SPACE,
                           IDC_MAIN_SPACE_TO_UNDERSCORE, IDC_MAIN_NORMAL_TEXT, IDC_MAIN_TITLE_CASE,
                           IDC_MAIN_UPPER_CASE, IDC_MAIN_LOWER_CASE, IDC_MAIN_QUIT}) {
    check(main.is_visible(button) && main.is_enabled(button),
          "button " + std::to_string(button) + " is not there to press");
  }
  quit(program);
  check_equal(folder.contents(), contents, "files after listing");
}

E2E_CASE(too_few_files_shows_the_message_and_ends) {
  struct Folder {
    const char* label;
    std::vector<std::string> files;
    std::vector<std::string> folders;
  };
  const Folder folders[] = {
      {"one listable file among others",
       {"unico.txt", "LEGGIMI", "programma.exe", "codice.c", "archivio.ZIP"},
       {"sotto.cartella", "altra"}},
      {"an empty folder", {}, {}},
      {"only files that are never listed", {"LEGGIMI", "a.h", "b.Obj"}, {"x.y"}},
  };
  for (const auto& layout : folders) {
    in_context(layout.label, [&] {
      TestFolder folder;
      for (const auto& name : layout.files) {
        folder.add_file(name, contents_for(name));
      }
      for (const auto& name : layout.folders) {
        folder.add_folder(name);
      }
      const auto contents = folder.contents();
      Program program(target.exe, folder.path());
      DialogWindow message = wait_for_dialog(program, texts::kTooFewFilesCaption);
      check_equal(message.message_text(), texts::kTooFewFiles, "message");
      check_equal(open_dialogs(program), std::vector<std::string>{texts::kTooFewFilesCaption},
                  "windows shown with the message");
      message.press(kMessageBoxOk);
      check_equal<DWORD>(program.expect_exit(), 0, "exit status");
      check_equal(folder.contents(), contents, "files");
    });
  }
}

E2E_CASE(main_dialog_ends_the_program_every_way) {
  const std::pair<const char*, std::function<void(DialogWindow&)>> ways[] = {
      {"F i n e   l a v o r o", [](DialogWindow& main) { main.press(IDC_MAIN_QUIT); }},
      {"Esc", [](DialogWindow& main) { close_without_button(main, Closing::kEscape); }},
      {"Enter", [](DialogWindow& main) { close_without_button(main, Closing::kEnter); }},
      {"close box", [](DialogWindow& main) { close_without_button(main, Closing::kCloseBox); }},
  };
  for (const auto& [label, end_it] : ways) {
    in_context(label, [&] {
      TestFolder folder;
      folder.add_files({"uno.txt", "due_file.txt", "TRE tre.jpg"});
      const auto contents = folder.contents();
      Program program(target.exe, folder.path());
      DialogWindow main = wait_for_dialog(program, kMainCaption);
      end_it(main);
      // An operation dialog would keep the program running.
      check_equal<DWORD>(program.expect_exit(), 0, "exit status");
      check_equal(folder.contents(), contents, "files");
    });
  }
}

E2E_CASE(command_line_arguments_change_nothing) {
  const char* const argument_lines[] = {
      "altra",
      "\"una cartella\" -x /?",
      "C:\\ *.* \"non chiuso",
  };
  for (const auto* arguments : argument_lines) {
    in_context(arguments, [&] {
      TestFolder folder;
      folder.add_files({"primo file.txt", "SECONDO.doc"});
      const auto contents = folder.contents();
      Program program(target.exe, folder.path(), arguments);
      DialogWindow main = wait_for_dialog(program, kMainCaption);
      check_equal(main.list_entries(IDC_MAIN_LIST),
                  folder.stems_in_order({"primo file.txt", "SECONDO.doc"}), "main list");
      quit(program);
      check_equal(folder.contents(), contents, "files");
    });
  }
}

E2E_CASE(fixed_operations_rename_every_listed_file) {
  struct Row {
    FixedOperation operation;
    std::vector<std::pair<std::string, std::string>> renames;  // old name -> new name
  };
  const Row rows[] = {
      {kUnderscoreToSpace,
       {{"il_mio__file.txt", "il mio  file.txt"},
        {"_x_.JPG", " x .JPG"},
        {"a_b.c_d.txt", "a b.c d.txt"},
        {"nessuno.doc", "nessuno.doc"}}},
      {kSpaceToUnderscore,
       {{"il mio file.txt", "il_mio_file.txt"},
        {"due  spazi.Mp3", "due__spazi.Mp3"},
        {"citt\xE0 vecchia.txt", "citt\xE0_vecchia.txt"},
        {"gi\xE0_fatto.txt", "gi\xE0_fatto.txt"}}},
      {kNormalText,
       {{"01 - LA MIA CANZONE.mp3", "01 - La mia canzone.mp3"},
        {"mario ROSSI_e_LUCA.txt", "Mario rossi_e_luca.txt"},
        {"\xE0 MARE.txt", "\xE0 Mare.txt"},
        {".profile", ".profile"}}},
      {kTitleCase,
       {{"il mio FILE.txt", "Il Mio File.txt"},
        {"rock-and-roll_live.ogg", "Rock-and-roll_Live.ogg"},
        {"l'amore (live).mp3", "L'amore (Live).mp3"},
        {"2pac mcDONALD.wav", "2Pac Mcdonald.wav"},
        {"a.b.c.txt", "A.b.c.txt"},
        {"\xE8ra.txt", "\xE8Ra.txt"}}},
      {kUpperCase,
       {{"notes.txt", "NOTES.txt"},
        {"notes.Jpg", "NOTES.Jpg"},
        {"Prova 2 di Roma.doc", "PROVA 2 DI ROMA.doc"},
        {"citt\xE0.txt", "CITT\xE0.txt"}}},
      {kLowerCase,
       {{"REPORT.TXT", "report.TXT"},
        {"IL Mio FILE.jpg", "il mio file.jpg"},
        {"GI\xC0 VISTO.txt", "gi\xC0 visto.txt"},
        {"gia basso.txt", "gia basso.txt"}}},
  };
  for (const auto& row : rows) {
    in_context(row.operation.label, [&] {
      TestFolder folder;
      add_unlisted_entries(folder);
      std::set<std::string> old_names;
      std::map<std::string, std::string> new_name_of;
      for (const auto& [old_name, new_name] : row.renames) {
        folder.add_file(old_name, contents_for(old_name));
        old_names.insert(old_name);
        new_name_of[old_name] = new_name;
      }
      auto expected = folder.contents();
      for (const auto& [old_name, new_name] : row.renames) {
        expected.erase(old_name);
      }
      for (const auto& [old_name, new_name] : row.renames) {
        expected[new_name] = contents_for(old_name);
      }
      std::vector<std::string> expected_after;
      for (const auto& name : folder.names()) {
        if (old_names.contains(name)) {
          expected_after.push_back(stem_of(new_name_of[name]));
        }
      }

      Program program(target.exe, folder.path());
      DialogWindow dialog =
          open_operation(program, row.operation, folder.stems_in_order(old_names));
      check_equal(dialog.list_entries(row.operation.base + OFFSET_AFTER_LIST), expected_after,
                  "after list");
      dialog.press(row.operation.base + OFFSET_RENAME);
      dialog.wait_closed();
      DialogWindow main = wait_for_dialog(program, kMainCaption);
      check_equal(folder.contents(), expected, "files after \"Rinomina\"");
      check_equal(main.list_entries(IDC_MAIN_LIST), folder.stems_in_order(listable_now(folder)),
                  "main list after \"Rinomina\"");
      quit(program);
    });
  }
}

E2E_CASE(operation_dialogs_close_without_renaming) {
  const std::pair<const char*, std::function<void(DialogWindow&, int base)>> ways[] = {
      {"Annulla", [](DialogWindow& dialog, int base) { dialog.press(base + OFFSET_CANCEL); }},
      {"Esc", [](DialogWindow& dialog, int) { close_without_button(dialog, Closing::kEscape); }},
      {"Enter", [](DialogWindow& dialog, int) { close_without_button(dialog, Closing::kEnter); }},
      {"close box",
       [](DialogWindow& dialog, int) { close_without_button(dialog, Closing::kCloseBox); }},
  };
  // Every operation would change both names.
  const std::set<std::string> names = {"Misto Case_nome con spazi.txt", "ALTRO file_x.doc"};
  for (const auto& [label, close_it] : ways) {
    TestFolder folder;
    add_unlisted_entries(folder);
    for (const auto& name : names) {
      folder.add_file(name, contents_for(name));
    }
    const auto contents = folder.contents();
    const auto stems = folder.stems_in_order(names);
    Program program(target.exe, folder.path());
    for (const auto& operation : kFixedOperations) {
      in_context(std::string(label) + " in " + operation.label, [&] {
        DialogWindow dialog = open_operation(program, operation, stems);
        close_it(dialog, operation.base);
        dialog.wait_closed();
        DialogWindow main = wait_for_dialog(program, kMainCaption);
        check_equal(folder.contents(), contents, "files");
        check_equal(main.list_entries(IDC_MAIN_LIST), stems, "main list");
      });
    }
    quit(program);
  }
}

namespace {

// Opens `operation`, presses "Rinomina", waits for the main dialog, and ends the program.
void rename_with(const Target& target, const TestFolder& folder, const FixedOperation& operation) {
  Program program(target.exe, folder.path());
  wait_for_dialog(program, kMainCaption).press(operation.button);
  DialogWindow dialog = wait_for_dialog(program, operation.caption);
  dialog.press(operation.base + OFFSET_RENAME);
  dialog.wait_closed();
  quit(program);
}

}  // namespace

E2E_CASE(case_only_rename_happens_on_disk) {
  TestFolder folder;
  folder.add_files({"REPORT.txt", "Altro.Doc"});
  rename_with(target, folder, kLowerCase);
  check_equal(folder.contents(),
              std::map<std::string, std::string>{{"report.txt", contents_for("REPORT.txt")},
                                                 {"altro.Doc", contents_for("Altro.Doc")}},
              "files");
}

E2E_CASE(read_only_files_are_made_writable_and_renamed) {
  TestFolder folder;
  folder.add_files({"foto uno.jpg", "foto_due.jpg", "foto tre.jpg", "LEGGIMI"});
  for (const auto* name : {"foto uno.jpg", "foto_due.jpg", "LEGGIMI"}) {
    folder.make_read_only(name);
  }
  rename_with(target, folder, kSpaceToUnderscore);
  check_equal(folder.contents(),
              std::map<std::string, std::string>{{"foto_uno.jpg", contents_for("foto uno.jpg")},
                                                 {"foto_due.jpg", contents_for("foto_due.jpg")},
                                                 {"foto_tre.jpg", contents_for("foto tre.jpg")},
                                                 {"LEGGIMI", contents_for("LEGGIMI")}},
              "files");
  // Every listed file loses the attribute, the one whose name stays too; an unlisted one keeps it.
  for (const auto* name : {"foto_uno.jpg", "foto_due.jpg", "foto_tre.jpg"}) {
    check(!folder.is_read_only(name), std::string(name) + " is still read-only");
  }
  check(folder.is_read_only("LEGGIMI"), "LEGGIMI lost its read-only attribute");
}

E2E_CASE(rename_onto_an_existing_name_keeps_both_files) {
  TestFolder folder;
  folder.add_files({"a b.txt", "a_b.txt", "c d.txt"});
  rename_with(target, folder, kSpaceToUnderscore);
  check_equal(folder.contents(),
              std::map<std::string, std::string>{{"a b.txt", contents_for("a b.txt")},
                                                 {"a_b.txt", contents_for("a_b.txt")},
                                                 {"c_d.txt", contents_for("c d.txt")}},
              "files");
}

E2E_CASE(selecting_list_entries_changes_nothing) {
  TestFolder folder;
  const std::set<std::string> names = {"primo file.txt", "secondo_file.txt", "TERZO.doc"};
  for (const auto& name : names) {
    folder.add_file(name, contents_for(name));
  }
  const auto stems = folder.stems_in_order(names);
  Program program(target.exe, folder.path());
  DialogWindow main = wait_for_dialog(program, kMainCaption);
  main.select(IDC_MAIN_LIST, 1);
  check(main.is_open(), "selecting in the main list closed the main dialog");
  check_equal(main.list_entries(IDC_MAIN_LIST), stems, "main list after a selection");

  DialogWindow dialog = open_operation(program, kUpperCase, stems);
  const int base = kUpperCase.base;
  const auto after = dialog.list_entries(base + OFFSET_AFTER_LIST);
  dialog.select(base + OFFSET_BEFORE_LIST, 2);
  dialog.select(base + OFFSET_AFTER_LIST, 0);
  check(dialog.is_open(), "selecting an entry closed the dialog");
  check_equal(dialog.list_entries(base + OFFSET_BEFORE_LIST), stems, "before list");
  check_equal(dialog.list_entries(base + OFFSET_AFTER_LIST), after, "after list");
  check(dialog.is_enabled(base + OFFSET_RENAME), "\"Rinomina\" became disabled");
  check_equal(
      folder.contents(),
      std::map<std::string, std::string>{{"primo file.txt", contents_for("primo file.txt")},
                                         {"secondo_file.txt", contents_for("secondo_file.txt")},
                                         {"TERZO.doc", contents_for("TERZO.doc")}},
      "files after the selections");
  // "Rinomina" still renames every file, not only the selected ones.
  dialog.press(base + OFFSET_RENAME);
  dialog.wait_closed();
  wait_for_dialog(program, kMainCaption);
  check_equal(
      folder.contents(),
      std::map<std::string, std::string>{{"PRIMO FILE.txt", contents_for("primo file.txt")},
                                         {"SECONDO_FILE.txt", contents_for("secondo_file.txt")},
                                         {"TERZO.doc", contents_for("TERZO.doc")}},
      "files after \"Rinomina\"");
  quit(program);
}

}  // namespace veltrano::e2e
