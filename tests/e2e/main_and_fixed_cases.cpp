// The main dialog, the end of the program, the six operations that take no input, and the
// closing of every operation dialog without renaming.
#include <string>
#include <utility>
#include <vector>

#include "interface/texts.h"
#include "resources/resource_ids.h"
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/dialogs.h"
#include "tests/e2e/driver/registry.h"
#include "tests/e2e/driver/test_folder.h"

namespace veltrano::e2e {
namespace {

// Opens a fixed operation and checks its dialog: no input field, the extension list hidden, its
// before list, and "Rinomina" enabled at once. (Every button that a case presses is checked to be
// shown and enabled by DialogWindow::press.)
DialogWindow open_fixed(const Program& program, const OperationDialog& operation,
                        const Names& expected_before) {
  DialogWindow dialog = open_operation(program, operation);
  check(!dialog.has_control(operation.input()), "the dialog has an input field");
  check(!dialog.is_visible(operation.base + OFFSET_EXTENSION_LIST), "extension list is shown");
  check(dialog.is_enabled(operation.rename()), "\"Rinomina\" is disabled");
  check_equal(dialog.list_entries(operation.before()), expected_before, "before list");
  return dialog;
}

// Entries in every folder of the operation cases that the program must neither list nor touch;
// LEGGIMI is read-only and must stay so.
void add_unlisted_entries(TestFolder& folder) {
  folder.add_files({"LEGGIMI", "setup.exe", "lista.Zip"});
  folder.make_read_only("LEGGIMI");
  folder.add_folder("cartella.dati");
}

}  // namespace

E2E_CASE(main_dialog_lists_stems_by_the_listing_rule) {
  TestFolder folder;
  const Names listable = {"archive.tar.gz", "notes.txt",       "notes.jpg", ".profile",
                          "source.cc",      "header.hpp",      "pack.zip2", "citt\xE0.txt",
                          "hidden.txt",     "sola lettura.doc"};
  folder.add_files(listable);
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
    check(main.is_visible(button) && !main.is_enabled(button),
          "button " + std::to_string(button) + " is hidden or enabled");
  }
  quit(program);
  check_equal(folder.contents(), contents, "files after listing");
}

E2E_CASE(too_few_files_shows_the_message_and_ends) {
  const std::pair<const char*, Names> layouts[] = {
      {"one listable file among others",
       {"unico.txt", "LEGGIMI", "programma.exe", "codice.c", "archivio.ZIP"}},
      {"an empty folder", {}},
      {"only files that are never listed", {"LEGGIMI", "a.h", "b.Obj"}},
  };
  for (const auto& [label, files] : layouts) {
    in_context(label, [&] {
      TestFolder folder;
      folder.add_files(files);
      if (!files.empty()) {  // a folder is never listed, even with a dot in its name
        folder.add_folder("sotto.cartella");
      }
      const auto contents = folder.contents();
      Program program(target.exe, folder.path());
      DialogWindow message = wait_for_dialog(program, texts::kAttentionCaption);
      check_equal(message.message_text(), texts::kTooFewFiles, "message");
      check_equal(open_dialogs(program), Names{texts::kAttentionCaption},
                  "windows shown with the message");
      message.press(kMessageBoxOk);
      check_equal<DWORD>(program.expect_exit(), 0, "exit status");
      check_equal(folder.contents(), contents, "files");
    });
  }
}

// Each way of ending runs with other command-line arguments, which change nothing.
E2E_CASE(main_dialog_ends_the_program_every_way_whatever_the_arguments) {
  const char* const arguments[] = {"", "altra", "\"una cartella\" -x /?", "C:\\ *.* \"non chiuso"};
  for (int i = 0; i < 4; ++i) {
    in_context(label_of(kClosings[i]) + ", arguments " + quoted(arguments[i]), [&] {
      TestFolder folder;
      const Names names = {"uno.txt", "due_file.txt", "TRE tre.jpg"};
      folder.add_files(names);
      const auto contents = folder.contents();
      Program program(target.exe, folder.path(), arguments[i]);
      DialogWindow main = wait_for_dialog(program, kMainCaption);
      check_equal(main.list_entries(IDC_MAIN_LIST), folder.stems_in_order(names), "main list");
      close_dialog(main, kClosings[i], IDC_MAIN_QUIT);
      // An operation dialog would keep the program running.
      check_equal<DWORD>(program.expect_exit(), 0, "exit status");
      check_equal(folder.contents(), contents, "files");
    });
  }
}

// The first and the last file of every row are read-only, and stay so under their new names.
// Case-only renames (REPORT.TXT) happen on disk.
E2E_CASE(fixed_operations_rename_every_listed_file) {
  const std::pair<OperationDialog, Renames> rows[] = {
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
  for (const auto& [operation, renames] : rows) {
    in_context(operation.label, [&] {
      TestFolder folder;
      add_unlisted_entries(folder);
      Names old_names;
      Names new_names;
      std::map<std::string, std::string> new_stem_of;  // the operation changes stems only
      for (const auto& [old_name, new_name] : renames) {
        folder.add_file(old_name, contents_for(old_name));
        old_names.push_back(old_name);
        new_names.push_back(new_name);
        new_stem_of[stem_of(old_name)] = stem_of(new_name);
      }
      folder.make_read_only(old_names.front());
      folder.make_read_only(old_names.back());
      const auto expected = renamed(folder.contents(), renames);
      Names expected_after = folder.stems_in_order(old_names);
      for (auto& stem : expected_after) {
        stem = new_stem_of.at(stem);
      }

      Program program(target.exe, folder.path());
      DialogWindow dialog = open_fixed(program, operation, folder.stems_in_order(old_names));
      check_equal(dialog.list_entries(operation.after()), expected_after, "after list");
      dialog.press(operation.rename());
      dialog.wait_closed();
      DialogWindow main = wait_for_dialog(program, kMainCaption);
      check_equal(folder.contents(), expected, "files after \"Rinomina\"");
      check_equal(main.list_entries(IDC_MAIN_LIST), folder.stems_in_order(new_names),
                  "main list after \"Rinomina\"");
      for (const auto& name : new_names) {
        const bool was_read_only = name == new_names.front() || name == new_names.back();
        check(folder.is_read_only(name) == was_read_only,
              quoted(name) + (was_read_only ? " lost" : " got") + " the read-only attribute");
      }
      check(folder.is_read_only("LEGGIMI"), "LEGGIMI lost its read-only attribute");
      quit(program);
    });
  }
}

E2E_CASE(operation_dialogs_close_without_renaming) {
  // Every operation would change both names; those with input, given this input.
  const Names names = {"Misto Case_nome con spazi.txt", "ALTRO file_x.doc"};
  std::vector<std::pair<OperationDialog, const char*>> operations = {
      {kFindReplace, "o"}, {kAddAtStart, "x"}, {kAddAtEnd, "x"}, {kDeleteFirstChars, "1"}};
  for (const auto& operation : kFixedOperations) {
    operations.emplace_back(operation, nullptr);
  }
  for (const Closing closing : kClosings) {
    TestFolder folder;
    add_unlisted_entries(folder);
    folder.add_files(names);
    const auto contents = folder.contents();
    const auto stems = folder.stems_in_order(names);
    Program program(target.exe, folder.path());
    for (const auto& [operation, input] : operations) {
      in_context(label_of(closing) + " in " + operation.label, [&] {
        DialogWindow dialog =
            input ? open_operation(program, operation) : open_fixed(program, operation, stems);
        if (input) {
          dialog.type(operation.input(), input);
        }
        check(dialog.is_enabled(operation.rename()), "\"Rinomina\" is disabled");
        close_dialog(dialog, closing, operation.cancel());
        dialog.wait_closed();
        DialogWindow main = wait_for_dialog(program, kMainCaption);
        check_equal(folder.contents(), contents, "files");
        check_equal(main.list_entries(IDC_MAIN_LIST), stems, "main list");
      });
    }
    quit(program);
  }
}

E2E_CASE(rename_onto_an_existing_name_keeps_both_files) {
  TestFolder folder;
  folder.add_files({"a b.txt", "a_b.txt", "c d.txt"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  DialogWindow dialog = open_operation(program, kSpaceToUnderscore);
  dialog.press(kSpaceToUnderscore.rename());
  dialog.wait_closed();
  quit(program);
  check_equal(folder.contents(), renamed(contents, {{"c d.txt", "c_d.txt"}}), "files");
}

E2E_CASE(selecting_list_entries_changes_nothing) {
  TestFolder folder;
  const Names names = {"primo file.txt", "secondo_file.txt", "TERZO.doc"};
  folder.add_files(names);
  const auto contents = folder.contents();
  const auto stems = folder.stems_in_order(names);
  Program program(target.exe, folder.path());
  DialogWindow main = wait_for_dialog(program, kMainCaption);
  main.select(IDC_MAIN_LIST, 1);
  check(main.is_open(), "selecting in the main list closed the main dialog");
  check_equal(main.list_entries(IDC_MAIN_LIST), stems, "main list after a selection");

  const OperationDialog& upper = kUpperCase;
  DialogWindow dialog = open_fixed(program, upper, stems);
  const auto after = dialog.list_entries(upper.after());
  dialog.select(upper.before(), 2);
  dialog.select(upper.after(), 0);
  check(dialog.is_open(), "selecting an entry closed the dialog");
  check_equal(dialog.list_entries(upper.before()), stems, "before list");
  check_equal(dialog.list_entries(upper.after()), after, "after list");
  check(dialog.is_enabled(upper.rename()), "\"Rinomina\" became disabled");
  check_equal(folder.contents(), contents, "files after the selections");
  // "Rinomina" still renames every file, not only the selected ones.
  dialog.press(upper.rename());
  dialog.wait_closed();
  wait_for_dialog(program, kMainCaption);
  check_equal(folder.contents(),
              renamed(contents, {{"primo file.txt", "PRIMO FILE.txt"},
                                 {"secondo_file.txt", "SECONDO_FILE.txt"}}),
              "files after \"Rinomina\"");
  quit(program);
}

}  // namespace veltrano::e2e
