#include "operations/fixed_operations.h"

#include <gtest/gtest.h>

#include <string>

#include "operations/case_transforms.h"
#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using namespace testing;

TEST(FixedOperations, OpenWithEachStemTransformedAndRinominaRenamesByThatPreview) {
  const struct {
    DialogProc proc;
    int base;
    void (*transform)(std::string&);
  } cases[] = {
      {underscore_to_space_dialog_proc, BASE_UNDERSCORE_TO_SPACE, underscores_to_spaces},
      {space_to_underscore_dialog_proc, BASE_SPACE_TO_UNDERSCORE, spaces_to_underscores},
      {normal_text_dialog_proc, BASE_NORMAL_TEXT, to_normal_text},
      {title_case_dialog_proc, BASE_TITLE_CASE, to_title_case},
      {upper_case_dialog_proc, BASE_UPPER_CASE, to_upper_case},
      {lower_case_dialog_proc, BASE_LOWER_CASE, to_lower_case},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.base);
    OpenDialog d(c.proc, frame_ids(c.base),
                 {"il_mio file.txt", "IL mio_FILE.jpg", "a.txt", "A.doc", "citt\xE0 vecchia.mp3",
                  ".profile", "skip.exe"});
    Names expected = d.before();
    ASSERT_EQ(expected.size(), 6u);
    for (std::string& stem : expected) {
      c.transform(stem);
    }
    EXPECT_EQ(d.after(), expected);
    EXPECT_TRUE(d.can_rename());
    EXPECT_TRUE(d.dialog.all_lists_redrawn());
    d.expect_rinomina_renames_by_preview();
  }
}

TEST(FixedOperations, ARenameOntoATakenNameLeavesBothFilesWhole) {
  OpenDialog d(space_to_underscore_dialog_proc, frame_ids(BASE_SPACE_TO_UNDERSCORE),
               {"a b.txt", "a_b.txt"});
  ASSERT_TRUE(d.dialog.press(d.ids.rename));
  EXPECT_EQ(d.folder.contents(), d.original);
}

TEST(FixedOperations, AnEmptyFolderListsNothingAndRinominaClosesIt) {
  OpenDialog d(title_case_dialog_proc, frame_ids(BASE_TITLE_CASE), {});
  EXPECT_TRUE(d.before().empty());
  EXPECT_TRUE(d.after().empty());
  ASSERT_TRUE(d.dialog.press(d.ids.rename));
  EXPECT_EQ(d.dialog.end_result(), 0);
}

}  // namespace
}  // namespace veltrano
