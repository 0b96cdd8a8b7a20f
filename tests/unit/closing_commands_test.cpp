// Esc, "Annulla", Enter and notifications that are no change of a field, in every operation
// dialog, with a preview ready to be applied.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "operations/add_text.h"
#include "operations/delete_first_chars.h"
#include "operations/find_replace.h"
#include "operations/fixed_operations.h"
#include "operations/renumber.h"
#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using namespace testing;

TEST(OperationDialogs, OnlyAnnullaAndEscCloseAndNeitherRenamesAnything) {
  const DialogIds renumber_ids = {IDC_REN_BEFORE, IDC_REN_EXTENSIONS, IDC_REN_AFTER,
                                  IDC_REN_RENAME, IDC_REN_CANCEL,     IDC_REN_MESSAGE};
  struct Case {
    DialogProc proc;
    DialogIds ids;
    std::vector<std::pair<ControlId, const char*>> typed;  // in this order
  };
  const Case cases[] = {
      {find_replace_dialog_proc,
       frame_ids(BASE_FIND_REPLACE),
       {{BASE_FIND_REPLACE + OFFSET_INPUT, "a"}, {IDC_FR_REPLACEMENT, "c"}}},
      {add_at_start_dialog_proc,
       frame_ids(BASE_ADD_AT_START),
       {{BASE_ADD_AT_START + OFFSET_INPUT, "x"}}},
      {add_at_end_dialog_proc, frame_ids(BASE_ADD_AT_END), {{BASE_ADD_AT_END + OFFSET_INPUT, "x"}}},
      {delete_first_chars_dialog_proc,
       frame_ids(BASE_DELETE_FIRST_CHARS),
       {{BASE_DELETE_FIRST_CHARS + OFFSET_INPUT, "1"}}},
      {renumber_dialog_proc, renumber_ids, {{IDC_REN_START, "1"}, {IDC_REN_DIGIT_COUNT, "3"}}},
      {upper_case_dialog_proc, frame_ids(BASE_UPPER_CASE), {}},
  };
  for (const Case& c : cases) {
    for (const ControlId command : {c.ids.cancel, kCommandCancel}) {
      SCOPED_TRACE(::testing::Message() << c.ids.before << " closed by " << command);
      std::set<ControlId> edits;
      for (const auto& [field, text] : c.typed) {
        edits.insert(field);
      }
      OpenDialog d(c.proc, c.ids, {"a1.txt", "b2.txt"}, edits);
      for (const auto& [field, text] : c.typed) {
        d.dialog.type(field, text);
      }
      const Preview shown = d.preview();
      ASSERT_EQ(shown.size(), 2u);
      ASSERT_TRUE(d.can_rename());
      d.dialog.send_command(kCommandOk);       // Enter reaches the default button, "Annulla"
      d.dialog.send_command(c.ids.before, 1);  // a list's selection change
      if (!c.typed.empty()) {
        d.dialog.send_command(c.typed[0].first, 0x100);  // a field gains the focus
      }
      EXPECT_EQ(d.dialog.end_result(), std::nullopt);
      EXPECT_EQ(d.preview(), shown);
      EXPECT_TRUE(d.can_rename());
      d.dialog.send_command(command);
      EXPECT_EQ(d.dialog.end_result(), 0);
      EXPECT_EQ(d.folder.contents(), d.original);
    }
  }
}

}  // namespace
}  // namespace veltrano
