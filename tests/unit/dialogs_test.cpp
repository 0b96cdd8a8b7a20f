// Each dialog's state rules through the in-memory dialog on a folder double: what the after
// list, the message line and "Rinomina" show after every change of a field.
#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "app/dispatch.h"
#include "interface/texts.h"
#include "tests/unit/folder_double.h"
#include "tests/unit/memory_dialog.h"

namespace veltrano::testing {
namespace {

// An operation dialog, as the dispatch table opens it, on a folder double, with `typed` typed
// into its fields in order.
struct Open {
  Open(const OperationControls& c, const Names& files, const Names& typed = {},
       std::string path = "C:\\F")
      : c(c),
        folder(files, std::move(path)),
        dialog(kDispatchTable.at(dispatch_row(c.main_button)).proc, folder, c) {
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

// A text typed into a field (none for field 0: the dialog as it opened), then the after list, the
// message line and whether "Rinomina" is enabled.
using Step = std::tuple<ControlId, std::string, Names, std::string, bool>;

void run(Open& d, const std::vector<Step>& steps) {
  for (const auto& [field, text, after, message, can_rename] : steps) {
    SCOPED_TRACE(std::to_string(field) + " <- \"" + text.substr(0, 20) + '"');
    if (field != 0) {
      d.dialog.type(field, text);
    }
    EXPECT_EQ(d.after(), after);
    EXPECT_EQ(d.dialog.shown(d.c.message_line), message);
    EXPECT_EQ(d.can_rename(), can_rename);
    EXPECT_EQ(d.dialog.boxes, Names{});
  }
}

const std::string kForbidden = texts::kForbiddenChars, kEmptyFind = texts::kFindEmpty;

TEST(FindReplaceDialog, FollowsBothFieldsAtEveryChange) {
  Open d(kFindReplace, {"Alba.txt", "Sole.txt", "Sola.txt/"});
  const ControlId find = kFindReplace.input, replacement = kFindReplace.second_input;
  EXPECT_EQ(d.dialog.focused, find);
  run(d, {{0, "", {}, kEmptyFind, false},
          {replacement, "x", {}, kEmptyFind, false},
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
          {find, "", {}, kEmptyFind, false}});
}

TEST(AddTextDialogs, AddTheTextOnTheirSideAtEveryChange) {
  for (const bool at_start : {true, false}) {
    const auto add = [at_start](const std::string& stem, const std::string& text) {
      return at_start ? text + stem : stem + text;
    };
    const OperationControls& c = at_start ? kAddAtStart : kAddAtEnd;
    const std::string other = add("a", "x");  // the present stem of the third file
    Open d(c, {"a.txt", "a.jpg", other + ".txt"});
    EXPECT_EQ(d.dialog.focused, c.input);
    const Names accented = {add("a", "\xE8"), add("a", "\xE8"), add(other, "\xE8")};
    run(d, {{0, "", {}, "", false},
            {c.input, "x", {}, "", false},  // a clash shows no message and no names
            {c.input, "\xE8", accented, "", true},
            {c.input, std::string(200, 'x') + "<", accented, kForbidden, false},
            {c.input, "x", {}, kForbidden, false},
            {c.input, "", {}, "", false},
            {c.input, "|", {}, kForbidden, false}});
  }
}

TEST(DeleteFirstCharsDialog, FollowsTheCountAtEveryChange) {
  Open d(kDeleteFirstChars, {"01 Alba.txt", "02 Sole.jpg", "Sole.txt"});
  const ControlId count = kDeleteFirstChars.input;
  EXPECT_EQ(d.dialog.focused, count);
  EXPECT_EQ(d.dialog.limits, (std::map<ControlId, int>{{count, 63}}));
  const std::string clash = texts::kDeleteClash, too_many = texts::kTooManyToDelete;
  const Names kept = {"01 Alba", "02 Sole", "Sole"}, one = {"1 Alba", "2 Sole", "ole"};
  run(d, {{0, "", {}, "", false},
          {count, "1", one, "", true},
          {count, "3", {"Alba", "Sole", "e"}, clash, false},  // another file's present stem
          {count, "4", {}, too_many, false},                  // "Sole" would keep nothing
          {count, "", {}, too_many, false},
          {count, "2", {" Alba", " Sole", "le"}, "", true},
          {count, "", {}, "", false},
          {count, "0", kept, "", true},
          {count, "000000000000003", kept, "", true},  // the count is the first 14 characters
          {count, "00000000000001", one, "", true},
          {count, "4294967299", {}, too_many, false},
          {count, "-1", {}, too_many, false}});
}

TEST(RenumberDialog, FollowsBothFieldsAtEveryChange) {
  const OperationControls& c = kRenumber.frame;
  Open d(c, {"x5.txt", "mare.txt", "x6.txt", "x1.txt/"});
  EXPECT_EQ(d.dialog.shown(c.second_input), "3");
  EXPECT_EQ(d.dialog.limits, (std::map<ControlId, int>{{c.input, 4}, {c.second_input, 1}}));
  const std::string too_low = texts::kDigitCountTooLow, clash = texts::kRenumberClash;
  const Names seven = {"x0000009", "x0000010"};
  run(d, {{0, "", {}, "", false},
          {c.input, "1", {"x001", "x002"}, "", true},
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

TEST(RenumberDialog, WithoutOneNumberedPositionOnlyAnnullaIsLeft) {
  const OperationControls& c = kRenumber.frame;
  const Names differs = {texts::kWarningTitle, texts::kPositionDiffers1, texts::kPositionDiffers2};
  const std::tuple<Names, std::string, Names, Names> cases[] = {
      {{"f 3 m.jpg", "f 12 m.jpg"}, texts::kMarkerPositionDiffers, differs, differs},
      {{"mare.jpg", "p1.exe"},
       texts::kMarkerNoDigits,
       {texts::kWarningTitle, texts::kNoDigits},
       {}}};
  for (const auto& [files, marker, before, after] : cases) {
    Open d(c, files);
    EXPECT_EQ(d.dialog.shown(kRenumber.marker), marker);
    EXPECT_EQ(d.dialog.entries(c.before_list), before);
    EXPECT_EQ(d.after(), after);
    for (const ControlId control : {c.input, c.second_input, c.rename_button}) {
      EXPECT_EQ(d.dialog.enabled(control), false) << control;
    }
  }
}

TEST(InputDialogs, APathTooLongIsRefusedWithItsMessageBox) {
  // With the present names, paths of 260 bytes, the terminating zero included.
  const std::string folder = "C:\\" + std::string(260 - 3 - 1 - 6 - 1, 'f');
  const std::tuple<const OperationControls&, Names, Names> rows[] = {
      {kFindReplace, {"1", "22"}, {"a22", "c2"}},
      {kAddAtStart, {"1"}, {}},
      {kAddAtEnd, {"1"}, {}},
      {kRenumber.frame, {"1"}, {"a001", "c002"}}};
  for (const auto& [c, typed, after] : rows) {
    Open d(c, {"a1.txt", "c2.txt"}, typed, folder);
    EXPECT_EQ(d.after(), after);
    EXPECT_EQ(d.dialog.boxes,
              Names{std::string(texts::kPathTooLongCaption) + ":" + texts::kPathTooLong});
    EXPECT_EQ(d.dialog.shown(c.message_line), "");
    EXPECT_EQ(d.can_rename(), false);
  }
}

// Every row of the dispatch table opens the template of the dialog whose main button it answers
// and runs that dialog's procedure: its preview is shown at that dialog's controls, and only the
// change notification rebuilds it. "Rinomina" renames by it under the wait cursor, Esc and
// "Annulla" rename nothing; each ends the dialog with 0.
TEST(DispatchTable, EachMainButtonOpensItsDialog) {
  const std::tuple<const OperationControls&, Names, Names> rows[] = {
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
      {kLowerCase, {}, {"ab_c 1", "de f_2"}}};
  const Names files = {"ab_c 1.txt", "De f_2.txt"};
  for (const auto& [c, typed, after] : rows) {
    SCOPED_TRACE(c.main_button);
    EXPECT_EQ(kDispatchTable.at(dispatch_row(c.main_button)).template_id, c.template_id);
    Open d(c, files, typed);
    for (const ControlId field : {c.input, c.second_input}) {
      for (const int notification : {0x100, 0x400}) {  // focus, update
        d.dialog.type(field, "2", notification);
      }
    }
    EXPECT_EQ(d.dialog.entries(c.before_list), (Names{"ab_c 1", "De f_2"}));
    EXPECT_EQ(d.after(), after);
    ASSERT_EQ(d.can_rename(), true);
    d.dialog.command(c.rename_button);
    EXPECT_EQ(d.folder.names(), (Names{after[0] + ".txt", after[1] + ".txt"}));
    EXPECT_EQ(d.dialog.end_result, 0);
    EXPECT_EQ(d.dialog.wait_cursors, 1);
    EXPECT_FALSE(d.dialog.waiting);
    for (const ControlId close : {kCommandCancel, c.cancel_button}) {
      Open closed(c, files, typed);
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
  EXPECT_EQ(dialog.quit_code, std::nullopt);
  for (const ControlId quit : {kMain.quit_button, kCommandCancel}) {
    dialog.command(quit);
    EXPECT_EQ(std::exchange(dialog.quit_code, std::nullopt), 0);
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
