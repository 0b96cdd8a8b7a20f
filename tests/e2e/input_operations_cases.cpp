// The four operations with typed input: find and replace, add text at the start
// and at the end, delete the first characters. Each is driven by typing into
// its fields as a user would.
#include <functional>
#include <map>
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
constexpr char kBackspace[] = "\b";

// An operation with input: the main-dialog button that opens it, its dialog,
// its control base and its message line.
struct InputOperation {
  const char* label;
  int button;
  const char* caption;
  int base;
  int message_line;

  int before() const { return base + OFFSET_BEFORE_LIST; }
  int after() const { return base + OFFSET_AFTER_LIST; }
  int field() const { return base + OFFSET_INPUT; }
  int rename() const { return base + OFFSET_RENAME; }
  int cancel() const { return base + OFFSET_CANCEL; }
};

constexpr InputOperation kFindReplace{"find and replace", IDC_MAIN_FIND_REPLACE,
                                      kFindReplaceCaption, BASE_FIND_REPLACE, IDC_FR_MESSAGE};
constexpr InputOperation kAddAtStart{"add at the start", IDC_MAIN_ADD_AT_START, kAddAtStartCaption,
                                     BASE_ADD_AT_START, IDC_ADD_START_MESSAGE};
constexpr InputOperation kAddAtEnd{"add at the end", IDC_MAIN_ADD_AT_END, kAddAtEndCaption,
                                   BASE_ADD_AT_END, IDC_ADD_END_MESSAGE};
constexpr InputOperation kDeleteFirstChars{"delete the first characters", IDC_MAIN_DELETE_FIRST,
                                           kDeleteFirstCharsCaption, BASE_DELETE_FIRST_CHARS,
                                           IDC_DEL_MESSAGE};

// Presses the operation's button in the main dialog and checks the dialog as it
// opens: hidden working lists, an empty preview, "Rinomina" disabled.
DialogWindow open_operation(const Program& program, const InputOperation& operation) {
  wait_for_dialog(program, kMainCaption).press(operation.button);
  DialogWindow dialog = wait_for_dialog(program, operation.caption);
  check(!dialog.is_visible(operation.base + OFFSET_EXTENSION_LIST), "extension list is shown");
  check(dialog.list_entries(operation.after()).empty(), "the preview is not empty at opening");
  check(!dialog.is_enabled(operation.rename()), "\"Rinomina\" is enabled at opening");
  return dialog;
}

// What the dialog shows after a change of its input.
struct Shown {
  std::map<std::string, std::string> new_stems;  // present stem -> new stem; empty: no preview
  std::string message;
  bool can_rename;
};

void check_shown(const DialogWindow& dialog, const InputOperation& operation,
                 const Shown& expected) {
  const auto before = dialog.list_entries(operation.before());
  std::vector<std::string> expected_after;
  if (!expected.new_stems.empty()) {
    for (const auto& stem : before) {
      const auto found = expected.new_stems.find(stem);
      check(found != expected.new_stems.end(), "unexpected stem " + quoted(stem));
      expected_after.push_back(found->second);
    }
  }
  check_equal(dialog.list_entries(operation.after()), expected_after, "after list");
  check_equal(dialog.text(operation.message_line), expected.message, "message line");
  check(dialog.is_enabled(operation.rename()) == expected.can_rename,
        expected.can_rename ? "\"Rinomina\" is disabled" : "\"Rinomina\" is enabled");
}

// Waits for the path-length message box, checks its text and closes it with OK.
void dismiss_path_too_long(const Program& program) {
  DialogWindow box = wait_for_dialog(program, texts::kPathTooLongCaption);
  check_equal(box.message_text(), texts::kPathTooLong, "message box text");
  box.press(kMessageBoxOk);
  box.wait_closed();
}

void check_no_message_box(const Program& program) {
  for (const auto& caption : open_dialogs(program)) {
    check(caption != texts::kPathTooLongCaption, "a path-length message box is shown");
  }
}

// Ends the program from its main dialog and checks that it exits with status 0.
void quit(const Program& program) {
  wait_for_dialog(program, kMainCaption).press_escape();
  check_equal<DWORD>(program.expect_exit(), 0, "exit status");
}

// The contents that the folder should hold after renaming: each old name's
// contents under its new name.
std::map<std::string, std::string> renamed(
    std::map<std::string, std::string> contents,
    const std::vector<std::pair<std::string, std::string>>& renames) {
  std::map<std::string, std::string> moved;
  for (const auto& [old_name, new_name] : renames) {
    moved[new_name] = contents.at(old_name);
    contents.erase(old_name);
  }
  contents.insert(moved.begin(), moved.end());
  return contents;
}

// Presses "Rinomina" and checks that the dialog closes and the main dialog
// lists the new stems.
void rename_and_quit(const Program& program, DialogWindow& dialog,
                     const InputOperation& operation) {
  dialog.press(operation.rename());
  dialog.wait_closed();
  quit(program);
}

}  // namespace

E2E_CASE(find_replace_follows_both_fields_and_renames) {
  TestFolder folder;
  folder.add_files({"Canzone_01.mp3", "Canzone_02.mp3", "Intro canzone.mp3", "LEGGIMI"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  const InputOperation& fr = kFindReplace;
  DialogWindow dialog = open_operation(program, fr);
  check_shown(dialog, fr, {{}, texts::kFindEmpty, false});

  // Typing into "Sostituisci con" while "Trova" is empty.
  dialog.type(IDC_FR_REPLACEMENT, "x");
  check_shown(dialog, fr, {{}, texts::kFindEmpty, false});
  dialog.replace_text(IDC_FR_REPLACEMENT, "");

  dialog.type(fr.field(), "Canzone");
  check_shown(dialog, fr,
              {{{"Canzone_01", "_01"}, {"Canzone_02", "_02"}, {"Intro canzone", "Intro canzone"}},
               "",
               true});
  dialog.type(IDC_FR_REPLACEMENT, "Brano");
  const Shown brano{
      {{"Canzone_01", "Brano_01"}, {"Canzone_02", "Brano_02"}, {"Intro canzone", "Intro canzone"}},
      "",
      true};
  check_shown(dialog, fr, brano);

  dialog.type(IDC_FR_REPLACEMENT, ":");
  check_shown(dialog, fr, {brano.new_stems, texts::kForbiddenChars, false});
  dialog.type(IDC_FR_REPLACEMENT, kBackspace);
  check_shown(dialog, fr, brano);

  rename_and_quit(program, dialog, fr);
  check_equal(
      folder.contents(),
      renamed(contents, {{"Canzone_01.mp3", "Brano_01.mp3"}, {"Canzone_02.mp3", "Brano_02.mp3"}}),
      "files");
}

E2E_CASE(find_replace_refusals_clashes_and_enter) {
  TestFolder folder;
  folder.add_files({"Rosso.txt", "Verde.txt"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  const InputOperation& fr = kFindReplace;
  DialogWindow dialog = open_operation(program, fr);

  dialog.type(fr.field(), "Verde");
  dialog.type(IDC_FR_REPLACEMENT, "Rosso");
  const std::map<std::string, std::string> clash{{"Rosso", "Rosso"}, {"Verde", "Rosso"}};
  check_shown(dialog, fr, {clash, "", false});  // a clash shows no message

  // A refusal stays in the message line when the next change of the replacement
  // clashes.
  dialog.type(IDC_FR_REPLACEMENT, "?");
  check_shown(dialog, fr, {clash, texts::kForbiddenChars, false});
  dialog.type(IDC_FR_REPLACEMENT, kBackspace);
  check_shown(dialog, fr, {clash, texts::kForbiddenChars, false});

  // A forbidden character left in the replacement refuses a change of "Trova"
  // too.
  dialog.type(IDC_FR_REPLACEMENT, "*");
  dialog.type(fr.field(), kBackspace);
  check_shown(dialog, fr, {clash, texts::kForbiddenChars, false});
  dialog.type(IDC_FR_REPLACEMENT, kBackspace);
  check_shown(dialog, fr, {{{"Rosso", "Rosso"}, {"Verde", "Rossoe"}}, "", true});

  dialog.press_enter();  // "Annulla" is the default button
  dialog.wait_closed();
  quit(program);
  check_equal(folder.contents(), contents, "files");
}

E2E_CASE(find_replace_path_length_message_box) {
  TestFolder folder;
  folder.add_files({"a.txt", "b.txt"});
  const auto contents = folder.contents();
  // The folder, a backslash, the new stem, ".txt" and the terminating zero fill
  // 260 bytes.
  const std::string longest(260 - folder.path().size() - 1 - 4 - 1, 'n');
  Program program(target.exe, folder.path());
  const InputOperation& fr = kFindReplace;
  DialogWindow dialog = open_operation(program, fr);
  dialog.type(fr.field(), "a");
  dialog.type(IDC_FR_REPLACEMENT, longest);
  check_no_message_box(program);
  check_shown(dialog, fr, {{{"a", longest}, {"b", "b"}}, "", true});

  dialog.type(IDC_FR_REPLACEMENT, "n");
  dismiss_path_too_long(program);
  check(!dialog.is_enabled(fr.rename()), "\"Rinomina\" is enabled with a path too long");

  dialog.type(IDC_FR_REPLACEMENT, kBackspace);
  check_no_message_box(program);
  check_shown(dialog, fr, {{{"a", longest}, {"b", "b"}}, "", true});
  rename_and_quit(program, dialog, fr);
  check_equal(folder.contents(), renamed(contents, {{"a.txt", longest + ".txt"}}), "files");
}

E2E_CASE(add_text_follows_the_field_and_renames) {
  struct Twin {
    InputOperation operation;
    const char* clashing_text;  // gives some stem the present stem of another file
    std::function<std::string(const std::string&, const std::string&)> add;
  };
  const Twin twins[] = {
      {kAddAtStart, "Il",
       [](const std::string& stem, const std::string& text) { return text + stem; }},
      {kAddAtEnd, "_bis",
       [](const std::string& stem, const std::string& text) { return stem + text; }},
  };
  for (const Twin& twin : twins) {
    in_context(twin.operation.label, [&] {
      const InputOperation& op = twin.operation;
      TestFolder folder;
      folder.add_files({"Alba.txt", "Alba_bis.txt", "Sole.jpg", "IlSole.jpg", "setup.exe"});
      const auto contents = folder.contents();
      const auto preview = [&](const std::string& text) {
        std::map<std::string, std::string> new_stems;
        for (const char* stem : {"Alba", "Alba_bis", "Sole", "IlSole"}) {
          new_stems[stem] = twin.add(stem, text);
        }
        return new_stems;
      };
      Program program(target.exe, folder.path());
      DialogWindow dialog = open_operation(program, op);
      check_shown(dialog, op, {{}, "", false});

      dialog.type(op.field(), "x");
      check_shown(dialog, op, {preview("x"), "", true});
      dialog.type(op.field(), "?");
      check_shown(dialog, op, {preview("x"), texts::kForbiddenChars, false});
      dialog.replace_text(op.field(),
                          "");  // clearing the field clears the refusal
      check_shown(dialog, op, {{}, "", false});

      // A clash empties the preview and leaves the refusal shown before it.
      dialog.type(op.field(), std::string(twin.clashing_text) + "/");
      check_shown(dialog, op, {{}, texts::kForbiddenChars, false});
      dialog.type(op.field(), kBackspace);
      check_shown(dialog, op, {{}, texts::kForbiddenChars, false});

      dialog.replace_text(op.field(), "Vacanze ");
      check_shown(dialog, op, {preview("Vacanze "), "", true});
      rename_and_quit(program, dialog, op);
      std::vector<std::pair<std::string, std::string>> renames;
      for (const auto& [stem, extension] : std::vector<std::pair<std::string, std::string>>{
               {"Alba", ".txt"}, {"Alba_bis", ".txt"}, {"Sole", ".jpg"}, {"IlSole", ".jpg"}}) {
        renames.emplace_back(stem + extension, twin.add(stem, "Vacanze ") + extension);
      }
      check_equal(folder.contents(), renamed(contents, renames), "files");
    });
  }
}

E2E_CASE(add_text_path_length_message_box) {
  for (const InputOperation& op : {kAddAtStart, kAddAtEnd}) {
    in_context(op.label, [&] {
      TestFolder folder;
      folder.add_files({"a.txt", "b.txt"});
      const auto contents = folder.contents();
      // The folder, a backslash, a one-letter stem, the text, ".txt" and the
      // terminating zero fill 260 bytes.
      const std::string longest(260 - folder.path().size() - 1 - 1 - 4 - 1, 'n');
      const bool at_start = op.base == BASE_ADD_AT_START;
      const auto add = [&](const char* stem) {
        return at_start ? longest + stem : std::string(stem) + longest;
      };
      Program program(target.exe, folder.path());
      DialogWindow dialog = open_operation(program, op);
      dialog.type(op.field(), longest);
      check_no_message_box(program);
      check_shown(dialog, op, {{{"a", add("a")}, {"b", add("b")}}, "", true});

      dialog.type(op.field(), "n");
      dismiss_path_too_long(program);
      check_shown(dialog, op, {{}, "", false});

      dialog.type(op.field(), kBackspace);
      check_no_message_box(program);
      check_shown(dialog, op, {{{"a", add("a")}, {"b", add("b")}}, "", true});
      rename_and_quit(program, dialog, op);
      check_equal(folder.contents(),
                  renamed(contents, {{"a.txt", add("a") + ".txt"}, {"b.txt", add("b") + ".txt"}}),
                  "files");
    });
  }
}

E2E_CASE(delete_first_chars_follows_the_count_and_renames) {
  TestFolder folder;
  folder.add_files({"01 Alba.txt", "02 Sole.jpg", "LEGGIMI"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  const InputOperation& del = kDeleteFirstChars;
  DialogWindow dialog = open_operation(program, del);
  check_shown(dialog, del, {{}, "", false});

  const std::map<std::string, std::string> three{{"01 Alba", "Alba"}, {"02 Sole", "Sole"}};
  dialog.type(del.field(), "3");
  check_shown(dialog, del, {three, "", true});
  dialog.type(del.field(), "7");
  check_shown(dialog, del, {{}, texts::kTooManyToDelete, false});
  dialog.replace_text(del.field(), "");  // the refusal stays
  check_shown(dialog, del, {{}, texts::kTooManyToDelete, false});
  dialog.type(del.field(), "6");
  check_shown(dialog, del, {{{"01 Alba", "a"}, {"02 Sole", "e"}}, "", true});
  dialog.replace_text(del.field(), "00");
  check_shown(dialog, del, {{{"01 Alba", "01 Alba"}, {"02 Sole", "02 Sole"}}, "", true});
  dialog.type(del.field(), "x3");  // the field takes digits only
  check_equal(dialog.text(del.field()), "003", "count field");
  check_shown(dialog, del, {three, "", true});

  rename_and_quit(program, dialog, del);
  check_equal(folder.contents(),
              renamed(contents, {{"01 Alba.txt", "Alba.txt"}, {"02 Sole.jpg", "Sole.jpg"}}),
              "files");
}

E2E_CASE(delete_first_chars_refuses_clashes_and_huge_counts) {
  TestFolder folder;
  folder.add_files({"Rosa.txt", "1Rosa.txt", "Alba.doc", "Alba.txt"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  const InputOperation& del = kDeleteFirstChars;
  DialogWindow dialog = open_operation(program, del);

  // The two files with the stem Alba clash even when nothing is deleted.
  dialog.type(del.field(), "0");
  check_shown(
      dialog, del,
      {{{"Rosa", "Rosa"}, {"1Rosa", "1Rosa"}, {"Alba", "Alba"}}, texts::kDeleteClash, false});
  dialog.replace_text(del.field(), "1");
  check_shown(dialog, del,
              {{{"Rosa", "osa"}, {"1Rosa", "Rosa"}, {"Alba", "lba"}}, texts::kDeleteClash, false});
  dialog.replace_text(del.field(), "4");  // the length of the shortest stem
  check_shown(dialog, del, {{}, texts::kTooManyToDelete, false});
  dialog.replace_text(del.field(), "3");
  check_shown(dialog, del, {{{"Rosa", "a"}, {"1Rosa", "sa"}, {"Alba", "a"}}, "", true});

  // The field takes as many digits as it can show; whatever it holds of 2^32 +
  // 1 is refused.
  const std::string huge = "4294967297";
  dialog.replace_text(del.field(), huge);
  const std::string count = dialog.text(del.field());
  check(count.size() >= 2 && huge.starts_with(count), "count field holds " + quoted(count));
  check_shown(dialog, del, {{}, texts::kTooManyToDelete, false});

  dialog.close_box();
  dialog.wait_closed();
  quit(program);
  check_equal(folder.contents(), contents, "files");
}

E2E_CASE(input_dialogs_close_without_renaming) {
  struct Way {
    const char* label;
    std::function<void(DialogWindow&, const InputOperation&)> close;
  };
  const Way ways[] = {
      {"Annulla", [](DialogWindow& d, const InputOperation& op) { d.press(op.cancel()); }},
      {"Esc", [](DialogWindow& d, const InputOperation&) { d.press_escape(); }},
      {"Enter", [](DialogWindow& d, const InputOperation&) { d.press_enter(); }},
      {"close box", [](DialogWindow& d, const InputOperation&) { d.close_box(); }},
  };
  const std::pair<InputOperation, const char*> inputs[] = {
      {kFindReplace, "o"}, {kAddAtStart, "x"}, {kAddAtEnd, "x"}, {kDeleteFirstChars, "1"}};
  TestFolder folder;
  folder.add_files({"uno.txt", "due.txt", "tre.jpg"});
  const auto contents = folder.contents();
  Program program(target.exe, folder.path());
  for (const auto& [op, input] : inputs) {
    for (const Way& way : ways) {
      in_context(std::string(op.label) + ", " + way.label, [&] {
        DialogWindow dialog = open_operation(program, op);
        dialog.type(op.field(), input);
        check(dialog.is_enabled(op.rename()), "\"Rinomina\" is disabled");
        way.close(dialog, op);
        dialog.wait_closed();
        check_equal(folder.contents(), contents, "files");
      });
    }
  }
  quit(program);
}

}  // namespace veltrano::e2e
