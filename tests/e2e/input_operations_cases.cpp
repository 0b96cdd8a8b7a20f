// The four operations with typed input: find and replace, add text at the start and at the end,
// delete the first characters. Each is driven by typing into its fields as a user would.
#include <map>
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

constexpr char kBackspace[] = "\b";

// What the dialog shows after a change of its input.
struct Shown {
  std::map<std::string, std::string> changes;  // stem -> new stem, when the preview shows one
  std::string message;
  bool can_rename;
  bool preview = !changes.empty();  // false: the after list is empty
};

void check_shown(const DialogWindow& dialog, const OperationDialog& op, const Shown& expected) {
  Names expected_after;
  if (expected.preview) {
    for (const auto& stem : dialog.list_entries(op.before())) {
      const auto change = expected.changes.find(stem);
      expected_after.push_back(change == expected.changes.end() ? stem : change->second);
    }
  }
  check_equal(dialog.list_entries(op.after()), expected_after, "after list");
  check_equal(dialog.text(op.message), expected.message, "message line");
  check(dialog.is_enabled(op.rename()) == expected.can_rename,
        expected.can_rename ? "\"Rinomina\" is disabled" : "\"Rinomina\" is enabled");
}

// Opens the dialog and checks it as it opens: the extension list hidden, an empty preview,
// "Rinomina" disabled.
DialogWindow open_input(const Program& program, const OperationDialog& op,
                        const char* message = "") {
  DialogWindow dialog = open_operation(program, op);
  check(!dialog.is_visible(op.base + OFFSET_EXTENSION_LIST), "extension list is shown");
  check_shown(dialog, op, {{}, message, false});
  return dialog;
}

// One input and what the dialog shows after it. kReplace selects the field's text first.
enum Edit { kType, kReplace };
struct Step {
  Edit edit;
  int field;
  std::string text;
  Shown shown;
};

void play(DialogWindow& dialog, const OperationDialog& op, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    in_context((step.edit == kType ? "typing " : "replacing with ") + quoted(step.text), [&] {
      if (step.edit == kType) {
        dialog.type(step.field, step.text);
      } else {
        dialog.replace_text(step.field, step.text);
      }
      check_shown(dialog, op, step.shown);
    });
  }
}

// Presses "Rinomina", ends the program and checks the files.
void rename_and_check(const Program& program, DialogWindow& dialog, const OperationDialog& op,
                      const TestFolder& folder, const Contents& expected) {
  dialog.press(op.rename());
  dialog.wait_closed();
  quit(program);
  check_equal(folder.contents(), expected, "files");
}

void check_no_message_box(const Program& program) {
  for (const auto& caption : open_dialogs(program)) {
    check(caption != texts::kPathTooLongCaption, "a path-length message box is shown");
  }
}

}  // namespace

E2E_CASE(find_replace_follows_both_fields_and_renames) {
  const OperationDialog& fr = kFindReplace;
  const int find = fr.input();
  const int replacement = IDC_FR_REPLACEMENT;
  TestFolder folder;
  folder.add_files({"Canzone_01.mp3", "Canzone_02.mp3", "Intro canzone.mp3", "Rosso.txt",
                    "Verde.txt", "LEGGIMI"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  DialogWindow dialog = open_input(program, fr, texts::kFindEmpty);
  play(dialog, fr,
       {
           // Typing into "Sostituisci con" while "Trova" is empty.
           {kType, replacement, "x", {{}, texts::kFindEmpty, false}},
           {kReplace, replacement, "", {{}, texts::kFindEmpty, false}},
       });
  dialog.type(find, "Verde");
  const std::map<std::string, std::string> clash{{"Verde", "Rosso"}};
  play(dialog, fr,
       {
           {kType, replacement, "Rosso", {clash, "", false}},  // a clash shows no message
           // A refusal stays in the message line when the next change of the replacement clashes.
           {kType, replacement, "?", {clash, texts::kForbiddenChars, false}},
           {kType, replacement, kBackspace, {clash, texts::kForbiddenChars, false}},
           // A forbidden character left in the replacement refuses a change of "Trova" too.
           {kType, replacement, "*", {clash, texts::kForbiddenChars, false}},
           {kType, find, kBackspace, {clash, texts::kForbiddenChars, false}},
           {kType, replacement, kBackspace, {{{"Verde", "Rossoe"}}, "", true}},
       });
  dialog.press_enter();  // "Annulla" is the default button
  dialog.wait_closed();
  wait_for_dialog(program, kMainCaption);
  check_equal(folder.contents(), contents, "files after Enter");

  dialog = open_input(program, fr, texts::kFindEmpty);
  const Shown canzone{{{"Canzone_01", "_01"}, {"Canzone_02", "_02"}}, "", true};
  const Shown brano{{{"Canzone_01", "Brano_01"}, {"Canzone_02", "Brano_02"}}, "", true};
  play(dialog, fr,
       {
           {kType, find, "Canzone", canzone},
           {kType, replacement, "Brano", brano},
           {kType, replacement, ":", {brano.changes, texts::kForbiddenChars, false}},
           {kType, replacement, kBackspace, brano},
       });
  rename_and_check(
      program, dialog, fr, folder,
      renamed(contents, {{"Canzone_01.mp3", "Brano_01.mp3"}, {"Canzone_02.mp3", "Brano_02.mp3"}}));
}

// One byte more than a path can hold shows the message box and refuses; one byte less renames.
E2E_CASE(path_length_message_box) {
  for (const OperationDialog& op : {kFindReplace, kAddAtStart, kAddAtEnd}) {
    in_context(op.label, [&] {
      TestFolder folder;
      folder.add_files({"a.txt", "b.txt"});
      const auto contents = folder.contents();
      // The folder, a backslash, the new stem, ".txt" and the terminating zero fill 260 bytes;
      // adding text keeps the one-letter stem.
      const bool finding = op.base == BASE_FIND_REPLACE;
      const std::string longest(260 - folder.path().size() - 1 - 4 - 1 - (finding ? 0 : 1), 'n');
      const auto new_stem = [&](const std::string& stem) {
        if (finding) {
          return stem == "a" ? longest : stem;
        }
        return op.base == BASE_ADD_AT_START ? longest + stem : stem + longest;
      };
      const Shown fitting{{{"a", new_stem("a")}, {"b", new_stem("b")}}, "", true};
      const int field = finding ? IDC_FR_REPLACEMENT : op.input();

      Program program(target.exe, folder.path());
      DialogWindow dialog = open_input(program, op, finding ? texts::kFindEmpty : "");
      if (finding) {
        dialog.type(op.input(), "a");
      }
      dialog.type(field, longest);
      check_no_message_box(program);
      check_shown(dialog, op, fitting);

      dialog.type(field, "n");
      DialogWindow box = wait_for_dialog(program, texts::kPathTooLongCaption);
      check_equal(box.message_text(), texts::kPathTooLong, "message box text");
      box.press(kMessageBoxOk);
      box.wait_closed();
      dialog.wait_handled();
      check(!dialog.is_enabled(op.rename()), "\"Rinomina\" is enabled with a path too long");
      if (!finding) {
        check_shown(dialog, op, {{}, "", false});
      }

      dialog.type(field, kBackspace);
      check_no_message_box(program);
      check_shown(dialog, op, fitting);
      Renames renames;
      for (const std::string stem : {"a", "b"}) {
        renames.emplace_back(stem + ".txt", new_stem(stem) + ".txt");
      }
      rename_and_check(program, dialog, op, folder, renamed(contents, renames));
    });
  }
}

E2E_CASE(add_text_follows_the_field_and_renames) {
  const Names stems = {"Alba", "Alba_bis", "Sole", "IlSole"};
  for (const OperationDialog& op : {kAddAtStart, kAddAtEnd}) {
    in_context(op.label, [&] {
      const bool at_start = op.base == BASE_ADD_AT_START;
      const auto preview = [&](const std::string& text) {
        std::map<std::string, std::string> changes;
        for (const auto& stem : stems) {
          changes[stem] = at_start ? text + stem : stem + text;
        }
        return Shown{changes, "", true};
      };
      TestFolder folder;
      folder.add_files({"Alba.txt", "Alba_bis.txt", "Sole.jpg", "IlSole.jpg", "setup.exe"});
      const auto contents = folder.contents();
      Program program(target.exe, folder.path());
      DialogWindow dialog = open_input(program, op);
      const Shown refused{{}, texts::kForbiddenChars, false};
      // The clashing text gives some stem the present stem of another file.
      const std::string clashing = at_start ? "Il" : "_bis";
      play(dialog, op,
           {
               {kType, op.input(), "x", preview("x")},
               {kType, op.input(), "?", {preview("x").changes, texts::kForbiddenChars, false}},
               {kReplace, op.input(), "", {{}, "", false}},  // clearing clears the refusal
               // A clash empties the preview and leaves the refusal shown before it.
               {kType, op.input(), clashing + "/", refused},
               {kType, op.input(), kBackspace, refused},
               {kReplace, op.input(), "Vacanze ", preview("Vacanze ")},
           });
      Renames renames;
      for (const std::string name : {"Alba.txt", "Alba_bis.txt", "Sole.jpg", "IlSole.jpg"}) {
        const std::string stem = stem_of(name);
        renames.emplace_back(name, preview("Vacanze ").changes.at(stem) + name.substr(stem.size()));
      }
      rename_and_check(program, dialog, op, folder, renamed(contents, renames));
    });
  }
}

E2E_CASE(delete_first_chars_follows_the_count_and_renames) {
  const OperationDialog& del = kDeleteFirstChars;
  TestFolder folder;
  folder.add_files({"01 Alba.txt", "02 Sole.jpg", "LEGGIMI"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  DialogWindow dialog = open_input(program, del);
  const Shown three{{{"01 Alba", "Alba"}, {"02 Sole", "Sole"}}, "", true};
  const Shown too_many{{}, texts::kTooManyToDelete, false};
  play(dialog, del,
       {
           {kType, del.input(), "3", three},
           {kType, del.input(), "7", too_many},
           {kReplace, del.input(), "", too_many},  // the refusal stays
           {kType, del.input(), "6", {{{"01 Alba", "a"}, {"02 Sole", "e"}}, "", true}},
           {kReplace, del.input(), "00", {{}, "", true, true}},  // every stem unchanged
           {kType, del.input(), "x3", three},                    // the field takes digits only
       });
  check_equal(dialog.text(del.input()), "003", "count field");
  rename_and_check(program, dialog, del, folder,
                   renamed(contents, {{"01 Alba.txt", "Alba.txt"}, {"02 Sole.jpg", "Sole.jpg"}}));
}

E2E_CASE(delete_first_chars_refuses_clashes_and_huge_counts) {
  const OperationDialog& del = kDeleteFirstChars;
  TestFolder folder;
  folder.add_files({"Rosa.txt", "1Rosa.txt", "Alba.doc", "Alba.txt"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  DialogWindow dialog = open_input(program, del);
  const Shown too_many{{}, texts::kTooManyToDelete, false};
  play(dialog, del,
       {
           // The two files with the stem Alba clash even when nothing is deleted.
           {kType, del.input(), "0", {{}, texts::kDeleteClash, false, true}},
           {kReplace,
            del.input(),
            "1",
            {{{"Rosa", "osa"}, {"1Rosa", "Rosa"}, {"Alba", "lba"}}, texts::kDeleteClash, false}},
           {kReplace, del.input(), "4", too_many},  // the length of the shortest stem
           {kReplace,
            del.input(),
            "2",
            {{{"Rosa", "sa"}, {"1Rosa", "osa"}, {"Alba", "ba"}}, "", true}},
           // Rosa.txt and Alba.txt would both become a.txt.
           {kReplace,
            del.input(),
            "3",
            {{{"Rosa", "a"}, {"1Rosa", "sa"}, {"Alba", "a"}}, texts::kDeleteClash, false}},
           // The field takes as many digits as it can show; whatever it holds of 2^32 + 1 is
           // refused.
           {kReplace, del.input(), "4294967297", too_many},
       });
  const std::string count = dialog.text(del.input());
  check(count.size() >= 2 && std::string("4294967297").starts_with(count),
        "count field holds " + quoted(count));
  dialog.close_box();
  dialog.wait_closed();
  quit(program);
  check_equal(folder.contents(), contents, "files");
}

// Names that Windows would refuse or read as another file's are refused as a clash is.
E2E_CASE(find_replace_refuses_names_windows_would_not_give) {
  const OperationDialog& fr = kFindReplace;
  TestFolder folder;
  folder.add_files({"foto1.jpg", "Foto2.jpg", "nota.txt"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  DialogWindow dialog = open_input(program, fr, texts::kFindEmpty);
  play(dialog, fr,
       {
           {kType, fr.input(), "foto1", {{{"foto1", ""}}, "", true}},
           // Foto2.jpg holds that name, letter case aside.
           {kType, IDC_FR_REPLACEMENT, "foto2", {{{"foto1", "foto2"}}, "", false}},
           {kReplace, IDC_FR_REPLACEMENT, "con", {{{"foto1", "con"}}, "", false}},  // a device
           {kType, IDC_FR_REPLACEMENT, "t", {{{"foto1", "cont"}}, "", true}},
       });
  close_dialog(dialog, Closing::kButton, fr.cancel());
  dialog.wait_closed();
  quit(program);
  check_equal(folder.contents(), contents, "files");
}

}  // namespace veltrano::e2e
