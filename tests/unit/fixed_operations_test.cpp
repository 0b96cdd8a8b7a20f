#include "operations/fixed_operations.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "operations/case_transforms.h"
#include "platform/posix/posix_folder.h"
#include "resources/resource_ids.h"
#include "tests/unit/memory_dialog.h"
#include "tests/unit/temp_folder.h"

namespace veltrano {
namespace {

using testing::MemoryDialog;
using testing::TempFolder;

struct FixedDialog {
  DialogProc proc;
  int base;
  void (*transform)(std::string&);
};

const FixedDialog kFixedDialogs[] = {
    {underscore_to_space_dialog_proc, BASE_UNDERSCORE_TO_SPACE, underscores_to_spaces},
    {space_to_underscore_dialog_proc, BASE_SPACE_TO_UNDERSCORE, spaces_to_underscores},
    {normal_text_dialog_proc, BASE_NORMAL_TEXT, to_normal_text},
    {title_case_dialog_proc, BASE_TITLE_CASE, to_title_case},
    {upper_case_dialog_proc, BASE_UPPER_CASE, to_upper_case},
    {lower_case_dialog_proc, BASE_LOWER_CASE, to_lower_case},
};

const std::vector<std::string> kFiles = {"il_mio file.txt", "IL mio_FILE.jpg",      "a.txt",
                                         "A.doc",           "citt\xE0 vecchia.mp3", ".profile",
                                         "skip.exe"};

TEST(FixedOperations, OpenWithThePreviewOfEveryListedStemAndRinominaEnabled) {
  for (const FixedDialog& fixed : kFixedDialogs) {
    TempFolder folder(kFiles);
    PosixFolder posix;
    MemoryDialog dialog(fixed.proc, posix);
    dialog.open();

    const auto before = dialog.entries(fixed.base + OFFSET_BEFORE_LIST);
    const auto extensions = dialog.entries(fixed.base + OFFSET_EXTENSION_LIST);
    ASSERT_EQ(before.size(), 6u) << fixed.base;
    ASSERT_EQ(extensions.size(), before.size());
    std::vector<std::string> expected_after;
    for (std::string stem : before) {
      fixed.transform(stem);
      expected_after.push_back(stem);
    }
    EXPECT_EQ(dialog.entries(fixed.base + OFFSET_AFTER_LIST), expected_after) << fixed.base;
    EXPECT_TRUE(dialog.is_enabled(fixed.base + OFFSET_RENAME));
    EXPECT_TRUE(dialog.all_lists_redrawn());
    EXPECT_FALSE(dialog.end_result().has_value());
  }
}

TEST(FixedOperations, RinominaRenamesEveryFileByItsPreviewAndCloses) {
  for (const FixedDialog& fixed : kFixedDialogs) {
    TempFolder folder({"il_mio file.txt", "REPORT.TXT", "notes.txt"});
    const auto before = folder.contents();
    PosixFolder posix;
    MemoryDialog dialog(fixed.proc, posix);
    dialog.open();
    const auto stems = dialog.entries(fixed.base + OFFSET_BEFORE_LIST);
    const auto extensions = dialog.entries(fixed.base + OFFSET_EXTENSION_LIST);
    const auto new_stems = dialog.entries(fixed.base + OFFSET_AFTER_LIST);

    ASSERT_TRUE(dialog.press(fixed.base + OFFSET_RENAME));
    EXPECT_EQ(dialog.end_result(), 0);

    std::map<std::string, std::string> expected;
    for (std::size_t i = 0; i < stems.size(); ++i) {
      expected[new_stems[i] + extensions[i]] = before.at(stems[i] + extensions[i]);
    }
    EXPECT_EQ(folder.contents(), expected) << fixed.base;
  }
}

TEST(FixedOperations, AnnullaEscAndEnterCloseWithNothingRenamed) {
  for (const ControlId command : {BASE_UPPER_CASE + OFFSET_CANCEL, kCommandCancel, kCommandOk}) {
    TempFolder folder({"a b.txt", "c_d.txt"});
    const auto before = folder.contents();
    PosixFolder posix;
    MemoryDialog dialog(upper_case_dialog_proc, posix);
    dialog.open();
    dialog.send_command(command);
    EXPECT_EQ(dialog.end_result(), command == kCommandOk ? std::nullopt : std::optional<int>(0))
        << command;
    EXPECT_EQ(folder.contents(), before);
  }
}

TEST(FixedOperations, ARenameOntoATakenNameLeavesBothFilesWhole) {
  TempFolder folder({"a b.txt", "a_b.txt"});
  const auto before = folder.contents();
  PosixFolder posix;
  MemoryDialog dialog(space_to_underscore_dialog_proc, posix);
  dialog.open();
  ASSERT_TRUE(dialog.press(BASE_SPACE_TO_UNDERSCORE + OFFSET_RENAME));
  EXPECT_EQ(folder.contents(), before);
}

TEST(FixedOperations, AnEmptyFolderListsNothingAndRinominaClosesIt) {
  TempFolder folder;
  PosixFolder posix;
  MemoryDialog dialog(title_case_dialog_proc, posix);
  dialog.open();
  EXPECT_TRUE(dialog.entries(BASE_TITLE_CASE + OFFSET_BEFORE_LIST).empty());
  EXPECT_TRUE(dialog.entries(BASE_TITLE_CASE + OFFSET_AFTER_LIST).empty());
  ASSERT_TRUE(dialog.press(BASE_TITLE_CASE + OFFSET_RENAME));
  EXPECT_EQ(dialog.end_result(), 0);
}

}  // namespace
}  // namespace veltrano
