#include "app/main_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/dispatch.h"
#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using namespace testing;

TEST(MainDialog, ListsTheStemsOfListableFilesInEnumerationOrder) {
  TempFolder folder({"a.txt", "a.jpg", "README", "tool.exe", "song.mp3"});
  folder.add_directory("dir.d");
  PosixFolder posix;
  const Names expected = listable_files(posix).first;
  ASSERT_EQ(expected.size(), 3u);

  MemoryDialog dialog(main_dialog_proc, posix);
  dialog.open();
  EXPECT_EQ(dialog.entries(IDC_MAIN_LIST), expected);
  EXPECT_TRUE(dialog.message_boxes().empty());
  EXPECT_FALSE(dialog.quit_code().has_value());
  EXPECT_FALSE(dialog.is_enabled(IDC_MAIN_SWAP_TITLE_ARTIST));
  EXPECT_FALSE(dialog.is_enabled(IDC_MAIN_NEW_FUNCTIONS));
  EXPECT_TRUE(dialog.is_enabled(IDC_MAIN_FIND_REPLACE));
  EXPECT_TRUE(dialog.is_enabled(IDC_MAIN_LOWER_CASE));

  // Listing again after a change shows the folder as it is now.
  folder.add_file("new.txt");
  EXPECT_EQ(fill_main_list(dialog, posix), 4);
  EXPECT_EQ(dialog.entries(IDC_MAIN_LIST).size(), 4u);
}

TEST(MainDialog, FewerThanTwoListableFilesEndTheProgram) {
  for (const std::vector<std::string>& files :
       {std::vector<std::string>{}, {"only.txt", "README", "x.zip", "y.EXE"}}) {
    TempFolder folder(files);
    folder.add_directory("sub.dir");
    PosixFolder posix;
    MemoryDialog dialog(main_dialog_proc, posix);
    dialog.open();
    ASSERT_EQ(dialog.message_boxes().size(), 1u);
    EXPECT_EQ(dialog.message_boxes()[0].text, texts::kTooFewFiles);
    EXPECT_EQ(dialog.message_boxes()[0].caption, texts::kAttentionCaption);
    EXPECT_EQ(dialog.quit_code(), 0);
  }
}

TEST(MainDialog, CommandsEndTheDialogOrTheProgram) {
  TempFolder folder({"a.txt", "b.txt"});
  PosixFolder posix;
  struct Case {
    ControlId command;
    std::optional<int> end_result;
    std::optional<int> quit_code;
  };
  const Case cases[] = {
      {IDC_MAIN_FIND_REPLACE, IDC_MAIN_FIND_REPLACE, std::nullopt},
      {IDC_MAIN_RENUMBER, IDC_MAIN_RENUMBER, std::nullopt},
      {IDC_MAIN_LOWER_CASE, IDC_MAIN_LOWER_CASE, std::nullopt},
      {IDC_MAIN_SWAP_TITLE_ARTIST, IDC_MAIN_SWAP_TITLE_ARTIST, std::nullopt},
      {IDC_MAIN_QUIT, std::nullopt, 0},
      {kCommandCancel, std::nullopt, 0},
      {kCommandOk, std::nullopt, std::nullopt},
      {0, std::nullopt, std::nullopt},
      {IDC_MAIN_NEW_FUNCTIONS, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    MemoryDialog dialog(main_dialog_proc, posix);
    dialog.open();
    dialog.send_command(c.command);
    EXPECT_EQ(dialog.end_result(), c.end_result) << c.command;
    EXPECT_EQ(dialog.quit_code(), c.quit_code) << c.command;
  }
}

TEST(DispatchTable, HasOneRowForEachResultFrom303To317) {
  for (int result = 300; result <= 320; ++result) {
    const int row = dispatch_row(result);
    if (result < 303 || result > 317) {
      EXPECT_EQ(row, -1) << result;
      continue;
    }
    ASSERT_GE(row, 0) << result;
    const DialogStep& step = kDispatchTable[static_cast<std::size_t>(row)];
    EXPECT_EQ(step.action == DialogStep::Action::kOpenDialog, step.proc != nullptr) << result;
  }
  const auto action_of = [](int result) {
    return kDispatchTable[static_cast<std::size_t>(dispatch_row(result))].action;
  };
  EXPECT_EQ(action_of(316), DialogStep::Action::kEnd);
  for (const int result : {307, 308, 317}) {
    EXPECT_EQ(action_of(result), DialogStep::Action::kShowMainAgain);
  }
  const auto& lower = kDispatchTable[static_cast<std::size_t>(dispatch_row(315))];
  EXPECT_EQ(lower.template_id, IDD_LOWER_CASE);
}

}  // namespace
}  // namespace veltrano
