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
  Open(const OperationControls& c, const Names& files, const Names& typed = {})
      : c(c),
        folder(files),
        dialog(kDispatchTable.at(dispatch_row(c.main_button)).proc, folder, c) {
    dialog.open();
    drawn_once();
    for (std::size_t i = 0; i < typed.size(); ++i) {
      dialog.type(i == 0 ? c.input : c.second_input, typed[i]);
      drawn_once();
    }
  }
  Names after() const { return dialog.entries(c.after_list); }
  void drawn_once() {  // each list that the last change touched was drawn once
    for (const auto& [list, draws] : dialog.draws) {
      EXPECT_EQ(draws, 1) << "list " << list;
    }
    dialog.draws.clear();
  }
  std::optional<bool> can_rename() const { return dialog.enabled(c.rename_button); }

  const OperationControls& c;
  FolderDouble folder;
  MemoryDialog dialog;
};

// Each step: a text typed into a field (none for field 0: the dialog as it opened), then the after
// list, the message line and whether "Rinomina" is enabled.
void run(Open& d,
         const std::vector<std::tuple<ControlId, std::string, Names, std::string, bool>>& steps) {
  for (const auto& [field, text, after, message, can_rename] : steps) {
    SCOPED_TRACE(std::to_string(field) + " <- \"" + text.substr(0, 20) + '"');
    if (field != 0) {
      d.dialog.type(field, text);
    }
    d.drawn_once();
    EXPECT_EQ(d.after(), after);
    EXPECT_EQ(d.dialog.shown(d.c.message_line), message);
    EXPECT_EQ(d.can_rename(), can_rename);
  }
}

const std::string kForbidden = texts::kForbiddenChars, kEmptyFind = texts::kFindEmpty;

TEST(FindReplaceDialog, FollowsBothFieldsAtEveryChange) {
  Open d(kFindReplace, {"Alba.txt", "Sole.txt"});
  const ControlId find = kFindReplace.input, replacement = kFindReplace.second_input;
  run(d,
      {{0, "", {}, kEmptyFind, false},
       {replacement, "x", {}, kEmptyFind, false},
       {find, "A", {"xlba", "Sole"}, "", true},
       {replacement, std::string(200, 'x') + ":", {"xlba", "Sole"}, kForbidden, false},
       {find, "Sole", {"xlba", "Sole"}, kForbidden, false},
       // A change of "Sostituisci con" keeps the line unless the check passes; "Trova" empties it.
       {replacement, "Alba", {"Alba", "Alba"}, kForbidden, false},
       {find, "Sole", {"Alba", "Alba"}, "", false},
       {find, "", {}, kEmptyFind, false}});
  // Another file's short name is a name that it holds.
  Open s(kFindReplace, {"bozza.doc", "relazione finale.doc|RELA~HYO.DOC"}, {"bozza", "rela~hy"});
  run(s, {{0, "", {"rela~hy", "relazione finale"}, "", true},
          {replacement, "rela~hyo", {"rela~hyo", "relazione finale"}, "", false}});
}

TEST(AddAtStartDialog, AddsTheTextAtEveryChange) {
  Open start(kAddAtStart, {"a.txt", "a.jpg", "xa.txt", "ea.txt/"});
  const Names accented = {"\350a", "\350a", "\350xa"};
  run(start, {{0, "", {}, "", false},
              {kAddAtStart.input, "x", {}, "", false},  // a clash shows no message and no names
              {kAddAtStart.input, "\350", accented, "", true},
              {kAddAtStart.input, std::string(258, 'x') + "<", accented, kForbidden, false},
              {kAddAtStart.input, "x", {}, kForbidden, false},
              {kAddAtStart.input, "e", {}, kForbidden, false},  // the name of a folder
              {kAddAtStart.input, "\350", accented, "", true},  // a passing check empties it
              {kAddAtStart.input, "|", accented, kForbidden, false},
              {kAddAtStart.input, "", {}, "", false}});
}

TEST(DeleteFirstCharsDialog, FollowsTheCountAtEveryChange) {
  Open d(kDeleteFirstChars, {"01 Alba.txt", "02 Sole.jpg", "Sole.txt"});
  const ControlId count = kDeleteFirstChars.input;
  const std::string clash = texts::kDeleteClash, too_many = texts::kTooManyToDelete;
  const Names kept = {"01 Alba", "02 Sole", "Sole"}, one = {"1 Alba", "2 Sole", "ole"};
  run(d, {{0, "", {}, "", false},
          {count, " \t+1x", one, "", true},                   // read as atoi reads it
          {count, "3", {"Alba", "Sole", "e"}, clash, false},  // another file's present stem
          {count, "", {}, clash, false},
          {count, "4", {}, too_many, false},  // "Sole" would keep nothing
          {count, "0", kept, "", true},
          {count, "000000000000003", kept, "", true},  // the count is the first 14 characters
          {count, "00000000000001", one, "", true},
          {count, "4294967299", {}, too_many, false}});
  EXPECT_EQ(d.dialog.boxes, Names{});              // a clash shows no box
  d.folder.path = "C:\\" + std::string(245, 'f');  // "01 Alba.txt" in it: a path of 261 bytes
  run(d, {{count, "0", kept, clash, false}});
  EXPECT_EQ(d.dialog.boxes,
            Names{std::string(texts::kPathTooLongCaption) + ":" + texts::kPathTooLong});
}

TEST(RenumberDialog, FollowsBothFieldsAtEveryChange) {
  const OperationControls& c = kRenumber.frame;
  Open d(c, {"x5.txt", "mare.txt", "x6.txt", "x1.txt/"});
  EXPECT_EQ(d.dialog.shown(1420), "3");  // the template's field under "Numero cifre"
  const std::string too_low = texts::kDigitCountTooLow, clash = texts::kRenumberClash;
  const Names seven = {"x0000008", "x0000009"};
  run(d, {{0, "", {}, "", false},
          {c.input, "1", {"x001", "x002"}, "", true},
          {c.second_input, "1", {"x1", "x2"}, clash, false},  // a folder's name
          {c.input, "0", {"x0", "x1"}, clash, false},
          {c.input, "-1", {}, clash, false},   // pasted: no new names
          {c.input, "8", {}, too_low, false},  // 8 + 2 files = 10: two digits
          {c.second_input, "2", {"x08", "x09"}, "", true},
          {c.second_input, "8", {}, texts::kDigitCountTooHigh, false},
          {c.second_input, "0", {}, too_low, false},
          {c.second_input, "7", seven, "", true},
          {c.second_input, "", seven, "", true},  // an empty field keeps the preview
          {c.input, "", seven, "", true},
          {c.second_input, "7", seven, "", true}});
  d.dialog.set_text(c.input, "2147483648");  // pasted past the limit: the sum must not overflow
  d.folder.path = "C:\\" + std::string(244, 'f');  // "x0000001.txt" in it: a path of 261 bytes
  run(d, {{0, "", {}, too_low, false}, {c.input, "1", {"x0000001", "x0000002"}, clash, false}});
  // Without one numbered position only "Annulla" is left.
  for (const bool numbered : {false, true}) {
    Open w(c, numbered ? Names{"f 3 m.jpg", "f 12 m.jpg"} : Names{"mare.jpg", "p1.exe"});
    const Names lines =
        numbered ? Names{texts::kWarningTitle, texts::kPositionDiffers1, texts::kPositionDiffers2}
                 : Names{texts::kWarningTitle, texts::kNoDigits};
    EXPECT_EQ(w.dialog.entries(c.before_list), lines);
    EXPECT_EQ(w.after(), numbered ? lines : Names{});
    for (const ControlId control : {c.input, c.second_input, c.rename_button}) {
      EXPECT_EQ(w.dialog.enabled(control), false) << control;
    }
  }
}

// Each row of the dispatch table opens its dialog's template and runs its procedure, whose preview
// shows at that dialog's controls and changes only at a change notification. "Rinomina" renames
// by it under the wait cursor, showing how far it is, Esc and "Annulla" rename nothing; each ends
// the dialog.
TEST(DispatchTable, EachMainButtonOpensItsDialog) {
  const std::tuple<const OperationControls&, Names, Names> rows[] = {
      {kFindReplace, {"e", "E"}, {"ab_c 1zz", "DE f_2z"}},  // a file's own name in another case
      {kDeleteFirstChars, {"1"}, {"b_c 1zz", "e f_2z"}},
      {kAddAtStart, {"x"}, {"xab_c 1zz", "xDe f_2z"}},
      {kAddAtEnd, {"x"}, {"ab_c 1zzx", "De f_2zx"}},
      {kRenumber.frame, {"00071", "30"}, {"ab_c 007", "De f_008"}},  // cut to the limits; "z" goes
      {kUnderscoreToSpace, {}, {"ab c 1zz", "De f 2z"}},
      {kSpaceToUnderscore, {}, {"ab_c_1zz", "De_f_2z"}},
      {kNormalText, {}, {"Ab_c 1zz", "De f_2z"}},
      {kTitleCase, {}, {"Ab_C 1Zz", "De F_2Z"}},
      {kUpperCase, {}, {"AB_C 1ZZ", "DE F_2Z"}},
      {kLowerCase, {}, {"ab_c 1zz", "de f_2z"}}};
  // The widest first; a short name that is the entry's own name in another case is no other name.
  const Names files = {"ab_c 1zz.txt", "De f_2z.txt|DE F_2Z.TXT"};
  for (const auto& [c, typed, after] : rows) {
    EXPECT_EQ(kDispatchTable.at(dispatch_row(c.main_button)).template_id, c.template_id);
    Open d(c, files, typed);
    for (const ControlId field : {c.input, c.second_input}) {
      for (const int notification : {0x100, 0x400}) {  // focus, update
        d.dialog.type(field, "2", notification);
      }
    }
    EXPECT_TRUE(d.dialog.icon_shown);
    EXPECT_EQ(d.dialog.focused.value_or(0), &c == &kRenumber.frame ? 0 : c.input);
    EXPECT_EQ(d.dialog.entries(c.before_list), (Names{"ab_c 1zz", "De f_2z"}));
    EXPECT_EQ(d.after(), after);
    EXPECT_EQ(d.dialog.widths[c.before_list], 8);  // each list scrolls to its widest entry
    EXPECT_EQ(d.dialog.widths[c.after_list], after[0].size());
    ASSERT_EQ(d.can_rename(), true);
    d.dialog.command(c.rename_button);
    EXPECT_EQ(d.folder.names, (Names{after[0] + ".txt", after[1] + ".txt"}));
    EXPECT_EQ(d.dialog.progress, (Names{"1/2 wait", "2/2 wait", "caption", "end"}));
    for (const ControlId close : {kCommandCancel, c.cancel_button}) {
      Open closed(c, files, typed);
      closed.dialog.command(close);
      EXPECT_EQ(closed.dialog.progress, Names{"end"});  // ended, nothing renamed
    }
  }
}

// The main list shows the stem of every listable file: not a folder, a dot in the name, and an
// extension that is not excluded.
TEST(MainDialog, ListsTheStemsAndOffersTheOperations) {
  FolderDouble folder({"b.txt", "README", "a.tar.gz", ".profile", "x.zipx", "d.txt/",
                       "x.c",   "x.H",    "x.rc",     "x.Exe",    "x.db",   "x.obj",
                       "x.dep", "x.err",  "x.res",    "x.prj",    "x.ZIP",  "nota.ex",
                       "a.d",   "b.re",   "c.zi",     "d.ob"});
  MemoryDialog dialog(main_dialog_proc, folder);
  dialog.open();
  EXPECT_TRUE(dialog.icon_shown);
  EXPECT_EQ(dialog.entries(kMain.list), (Names{"b", "a.tar", "", "x", "nota", "a", "b", "c", "d"}));
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
  FolderDouble one_file({"only.txt", "README", "x.zip"});
  MemoryDialog too_few(main_dialog_proc, one_file);
  too_few.open();
  EXPECT_EQ(too_few.boxes,
            Names{std::string(texts::kAttentionCaption) + ":" + texts::kTooFewFiles});
  EXPECT_EQ(too_few.quit_code, 0);
}

}  // namespace
}  // namespace veltrano::testing
