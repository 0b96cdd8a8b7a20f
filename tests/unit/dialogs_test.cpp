// Each dialog's state rules through the in-memory dialog on a folder double: what the after
// list, the message line and "Rinomina" show after every change of a field.
#include <gtest/gtest.h>

#include "app/dispatch.h"
#include "interface/texts.h"
#include "tests/unit/folder_double.h"
#include "tests/unit/memory_dialog.h"

namespace veltrano::testing {
namespace {

// An operation dialog opened on a folder double, and `typed` typed into its fields in order.
struct Open {
  Open(const OperationControls& c, DialogProc proc, const Names& files, const Names& typed = {},
       std::string path = "C:\\F")
      : c(c), folder(files, std::move(path)), dialog(proc, folder, c) {
    dialog.open();
    for (std::size_t i = 0; i < typed.size(); ++i) {
      dialog.type(i == 0 ? c.input : c.second_input, typed[i]);
    }
  }
  Names after() const { return dialog.entries(c.after_list); }
  std::optional<bool> can_rename() const { return dialog.enabled(c.rename_button); }

  const OperationControls& c;
  FolderDouble folder;
  MemoryDialog dialog;
};

// A text typed into a field, and what the dialog shows after it.
struct Step {
  ControlId field;
  std::string text;
  Names after;
  std::string message;
  bool can_rename;
};

void run(Open& d, const std::vector<Step>& steps) {
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.field) + " <- \"" + step.text.substr(0, 20) + '"');
    d.dialog.type(step.field, step.text);
    EXPECT_EQ(d.after(), step.after);
    EXPECT_EQ(d.dialog.shown(d.c.message_line), step.message);
    EXPECT_EQ(d.can_rename(), step.can_rename);
    EXPECT_TRUE(d.dialog.boxes.empty());
  }
}

const std::string kForbidden = texts::kForbiddenChars;

TEST(InputDialogs, OpenWithAnEmptyPreviewAndRinominaDisabled) {
  const ControlId start = kRenumber.frame.input, digits = kRenumber.frame.second_input;
  const struct {
    const OperationControls& c;
    DialogProc proc;
    std::string message;
    std::optional<ControlId> focus;
    std::map<ControlId, int> limits;
  } rows[] = {
      {kFindReplace, find_replace_dialog_proc, texts::kFindEmpty, kFindReplace.input, {}},
      {kAddAtStart, add_at_start_dialog_proc, "", kAddAtStart.input, {}},
      {kAddAtEnd, add_at_end_dialog_proc, "", kAddAtEnd.input, {}},
      {kDeleteFirstChars,
       delete_first_chars_dialog_proc,
       "",
       kDeleteFirstChars.input,
       {{kDeleteFirstChars.input, 63}}},
      {kRenumber.frame, renumber_dialog_proc, "", std::nullopt, {{start, 4}, {digits, 1}}},
  };
  for (const auto& row : rows) {
    Open d(row.c, row.proc, {"a1.txt", "tool1.exe", "b1.jpg"});
    EXPECT_EQ(d.dialog.entries(row.c.before_list), (Names{"a1", "b1"}));
    EXPECT_EQ(d.dialog.entries(row.c.extension_list), (Names{".txt", ".jpg"}));
    EXPECT_EQ(d.after(), Names{});
    EXPECT_EQ(d.can_rename(), false);
    EXPECT_EQ(d.dialog.shown(row.c.message_line), row.message);
    EXPECT_EQ(d.dialog.focused, row.focus);
    EXPECT_EQ(d.dialog.limits, row.limits);
  }
}

TEST(FindReplaceDialog, FollowsBothFieldsAtEveryChange) {
  Open d(kFindReplace, find_replace_dialog_proc, {"Alba.txt", "Sole.txt", "Sola.txt/"});
  const ControlId find = kFindReplace.input, replacement = kFindReplace.second_input;
  run(d, {{replacement, "x", {}, texts::kFindEmpty, false},
          {find, "A", {"xlba", "Sole"}, "", true},
          {find, "a", {"Albx", "Sole"}, "", true},
          {replacement, std::string(200, 'x') + ":", {"Albx", "Sole"}, kForbidden, false},
          {find, "Sole", {"Albx", "Sole"}, kForbidden, false},
          // A change of "Sostituisci con" leaves the line as it was unless the check passes...
          {replacement, "Alba", {"Alba", "Alba"}, kForbidden, false},
          // ...while a change of "Trova" empties it before the check.
          {find, "Sole", {"Alba", "Alba"}, "", false},
          {find, "e", {"Alba", "SolAlba"}, "", true},
          {replacement, "a", {"Alba", "Sola"}, "", false},  // the name of a folder
          {find, "", {}, texts::kFindEmpty, false}});
}

TEST(AddTextDialogs, AddTheTextOnTheirSideAtEveryChange) {
  for (const bool at_start : {true, false}) {
    const auto add = [at_start](const std::string& stem, const std::string& text) {
      return at_start ? text + stem : stem + text;
    };
    const OperationControls& c = at_start ? kAddAtStart : kAddAtEnd;
    const std::string other = add("a", "x");  // the present stem of the third file
    Open d(c, at_start ? add_at_start_dialog_proc : add_at_end_dialog_proc,
           {"a.txt", "a.jpg", other + ".txt"});
    const Names accented = {add("a", "\xE8"), add("a", "\xE8"), add(other, "\xE8")};
    run(d, {{c.input, "x", {}, "", false},  // a clash shows no message and no names
            {c.input, "\xE8", accented, "", true},
            {c.input, std::string(200, 'x') + "<", accented, kForbidden, false},
            {c.input, "x", {}, kForbidden, false},
            {c.input, "", {}, "", false},
            {c.input, "|", {}, kForbidden, false}});
  }
}

TEST(DeleteFirstCharsDialog, FollowsTheCountAtEveryChange) {
  Open d(kDeleteFirstChars, delete_first_chars_dialog_proc,
         {"01 Alba.txt", "02 Sole.jpg", "Sole.txt"});
  const ControlId count = kDeleteFirstChars.input;
  const std::string clash = texts::kDeleteClash, too_many = texts::kTooManyToDelete;
  const Names kept = {"01 Alba", "02 Sole", "Sole"};
  run(d, {{count, "1", {"1 Alba", "2 Sole", "ole"}, "", true},
          {count, "3", {"Alba", "Sole", "e"}, clash, false},  // another file's present stem
          {count, "4", {}, too_many, false},                  // "Sole" would keep nothing
          {count, "", {}, too_many, false},
          {count, "2", {" Alba", " Sole", "le"}, "", true},
          {count, "", {}, "", false},
          {count, "0", kept, "", true},
          // Only the first fourteen characters form the count.
          {count, "000000000000003", kept, "", true},
          {count, "00000000000001", {"1 Alba", "2 Sole", "ole"}, "", true},
          {count, "4294967299", {}, too_many, false},
          {count, "-1", {}, too_many, false}});
}

TEST(RenumberDialog, WithoutOneNumberedPositionOnlyAnnullaIsLeft) {
  const Names no_digits = {texts::kWarningTitle, texts::kNoDigits};
  const Names differs = {texts::kWarningTitle, texts::kPositionDiffers1, texts::kPositionDiffers2};
  const struct {
    Names files;
    std::string marker;
    Names before, after;
  } cases[] = {
      {{"mare.jpg", "sole.png", "prog1.exe"}, texts::kMarkerNoDigits, no_digits, {}},
      {{"foto 3 mare.jpg", "foto 12 mare.jpg"}, texts::kMarkerPositionDiffers, differs, differs},
  };
  for (const auto& c : cases) {
    const OperationControls& frame = kRenumber.frame;
    Open d(frame, renumber_dialog_proc, c.files);
    EXPECT_EQ(d.dialog.shown(kRenumber.marker), c.marker);
    EXPECT_EQ(d.dialog.entries(frame.before_list), c.before);
    EXPECT_EQ(d.after(), c.after);
    for (const ControlId control : {frame.input, frame.second_input, frame.rename_button}) {
      EXPECT_EQ(d.dialog.enabled(control), false) << control;
    }
    EXPECT_EQ(d.dialog.enabled(frame.cancel_button), true);
  }
}

TEST(RenumberDialog, FollowsBothFieldsAtEveryChange) {
  const OperationControls& c = kRenumber.frame;
  Open d(c, renumber_dialog_proc, {"x5.txt", "mare.txt", "x6.txt", "x1.txt/"});
  EXPECT_EQ(d.dialog.shown(c.second_input), "3");
  const std::string too_low = texts::kDigitCountTooLow, clash = texts::kRenumberClash;
  const Names seven = {"x0000009", "x0000010"};
  run(d, {{c.input, "1", {"x001", "x002"}, "", true},
          {c.second_input, "1", {"x1", "x2"}, clash, false},  // the name of a folder
          {c.input, "9", {}, too_low, false},
          {c.second_input, "2", {"x09", "x10"}, "", true},
          {c.second_input, "8", {}, texts::kDigitCountTooHigh, false},
          {c.second_input, "7", seven, "", true},
          {c.input, "", seven, "", true},  // an empty field keeps the preview
          {c.input, "9999998", {"x9999998", "x9999999"}, "", true},
          {c.input, "9999999", {}, too_low, false},
          {c.input, "2147483647", {}, too_low, false},
          {c.input, "4", {"x0000004", "x0000005"}, "", true},
          {c.second_input, "1", {"x4", "x5"}, clash, false},  // another file's present stem
          {c.input, "-5", {}, "", false}});
}

TEST(InputDialogs, APathTooLongIsRefusedWithItsMessageBox) {
  // A path of 260 bytes, the terminating zero included, with the present names; 261 with one
  // more character.
  const std::string folder = "C:\\" + std::string(260 - 3 - 1 - 6 - 1, 'f');
  const struct {
    const OperationControls& c;
    DialogProc proc;
    Names typed, after;
  } rows[] = {
      {kFindReplace, find_replace_dialog_proc, {"1", "22"}, {"a22", "c2"}},
      {kAddAtStart, add_at_start_dialog_proc, {"x"}, {}},
      {kAddAtEnd, add_at_end_dialog_proc, {"x"}, {}},
      {kRenumber.frame, renumber_dialog_proc, {"1"}, {"a001", "c002"}},
  };
  for (const auto& row : rows) {
    Open d(row.c, row.proc, {"a1.txt", "c2.txt"}, row.typed, folder);
    EXPECT_EQ(d.after(), row.after);
    EXPECT_EQ(d.dialog.boxes,
              Names{std::string(texts::kPathTooLongCaption) + ":" + texts::kPathTooLong});
    EXPECT_EQ(d.dialog.shown(row.c.message_line), "");
    EXPECT_EQ(d.can_rename(), false);
  }
}

TEST(InputDialogs, OnlyTheChangeNotificationRebuildsThePreview) {
  const struct {
    const OperationControls& c;
    DialogProc proc;
    Names typed;
  } rows[] = {
      {kFindReplace, find_replace_dialog_proc, {"a", "b"}},
      {kAddAtStart, add_at_start_dialog_proc, {"x"}},
      {kAddAtEnd, add_at_end_dialog_proc, {"x"}},
      {kDeleteFirstChars, delete_first_chars_dialog_proc, {"1"}},
      {kRenumber.frame, renumber_dialog_proc, {"1", "3"}},
  };
  for (const auto& row : rows) {
    Open d(row.c, row.proc, {"a1.txt", "b2.txt"}, row.typed);
    const Names shown = d.after();
    ASSERT_EQ(shown.size(), 2u);
    for (const ControlId field : {row.c.input, row.c.second_input}) {
      for (const int notification : {0x100, 0x400}) {  // focus, update
        d.dialog.type(field, "2", notification);
      }
    }
    EXPECT_EQ(d.after(), shown);
    EXPECT_EQ(d.can_rename(), true);
  }
}

// Every row of the dispatch table opens the template of the dialog whose main button it answers
// and runs that dialog's procedure, which lists the folder in its own controls; "Rinomina" renames
// by the preview under the wait cursor, Esc and "Annulla" rename nothing; each ends with 0.
TEST(DispatchTable, EachMainButtonOpensItsDialog) {
  const struct {
    const OperationControls& c;
    Names typed, after;
  } rows[] = {
      {kFindReplace, {"b", "x"}, {"ax_c 1", "De f_2"}},
      {kDeleteFirstChars, {"1"}, {"b_c 1", "e f_2"}},
      {kAddAtStart, {"x"}, {"xab_c 1", "xDe f_2"}},
      {kAddAtEnd, {"x"}, {"ab_c 1x", "De f_2x"}},
      {kRenumber.frame, {"7"}, {"ab_c 007", "De f_008"}},
      {kUnderscoreToSpace, {}, {"ab c 1", "De f 2"}},
      {kSpaceToUnderscore, {}, {"ab_c_1", "De_f_2"}},
      {kNormalText, {}, {"Ab_c 1", "De f_2"}},
      {kTitleCase, {}, {"Ab_C 1", "De F_2"}},
      {kUpperCase, {}, {"AB_C 1", "DE F_2"}},
      {kLowerCase, {}, {"ab_c 1", "de f_2"}},
  };
  const Names files = {"ab_c 1.txt", "De f_2.txt"};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.c.main_button);
    const DialogStep& step = kDispatchTable.at(dispatch_row(row.c.main_button));
    EXPECT_EQ(step.template_id, row.c.template_id);
    Open d(row.c, step.proc, files, row.typed);
    EXPECT_EQ(d.dialog.entries(row.c.before_list), (Names{"ab_c 1", "De f_2"}));
    EXPECT_EQ(d.after(), row.after);
    ASSERT_EQ(d.can_rename(), true);
    d.dialog.command(row.c.rename_button);
    EXPECT_EQ(d.folder.names(), (Names{row.after[0] + ".txt", row.after[1] + ".txt"}));
    EXPECT_EQ(d.dialog.end_result, 0);
    EXPECT_EQ(d.dialog.wait_cursors, 1);
    EXPECT_FALSE(d.dialog.waiting);
    for (const ControlId close : {kCommandCancel, row.c.cancel_button}) {
      Open closed(row.c, step.proc, files, row.typed);
      closed.dialog.command(close);
      EXPECT_EQ(closed.dialog.end_result, 0);
      EXPECT_EQ(closed.folder.renamed_from, Names{});
    }
  }
  EXPECT_EQ(kDispatchTable.at(dispatch_row(kMain.quit_button)).action, DialogStep::Action::kEnd);
  EXPECT_EQ(kDispatchTable.at(dispatch_row(kMain.swap_button)).action,
            DialogStep::Action::kShowMainAgain);
  EXPECT_EQ(dispatch_row(kMain.new_functions_button), -1);
}

TEST(MainDialog, ListsTheStemsAndOffersTheOperations) {
  FolderDouble folder({"b.txt", "README", "a.jpg", "tool.exe", "d.txt/"});
  MemoryDialog dialog(main_dialog_proc, folder);
  dialog.open();
  EXPECT_EQ(dialog.entries(kMain.list), (Names{"b", "a"}));
  EXPECT_EQ(dialog.boxes, Names{});
  for (const OperationControls& c : kOperationDialogs) {
    EXPECT_EQ(dialog.enabled(c.main_button), true);
    dialog.command(c.main_button);
    EXPECT_EQ(dialog.end_result, c.main_button);
  }
  EXPECT_EQ(dialog.enabled(kMain.swap_button), false);
  EXPECT_EQ(dialog.enabled(kMain.new_functions_button), false);
  dialog.end_result.reset();
  dialog.command(kMain.new_functions_button);
  EXPECT_EQ(dialog.end_result, std::nullopt);
  EXPECT_EQ(dialog.quit_code, std::nullopt);
  for (const ControlId quit : {kMain.quit_button, kCommandCancel}) {
    MemoryDialog quitting(main_dialog_proc, folder);
    quitting.command(quit);
    EXPECT_EQ(quitting.quit_code, 0);
  }
}

TEST(MainDialog, FewerThanTwoFilesEndTheProgram) {
  FolderDouble folder({"only.txt", "README", "x.zip"});
  MemoryDialog dialog(main_dialog_proc, folder);
  dialog.open();
  EXPECT_EQ(dialog.boxes, Names{std::string(texts::kAttentionCaption) + ":" + texts::kTooFewFiles});
  EXPECT_EQ(dialog.quit_code, 0);
}

}  // namespace
}  // namespace veltrano::testing
