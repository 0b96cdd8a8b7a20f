#include "operations/delete_first_chars.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/texts.h"
#include "resources/resource_ids.h"
#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using testing::OpenInputDialog;
using Preview = std::map<std::string, std::string>;

constexpr ControlId kBefore = 601, kAfter = 602, kCount = 603, kRename = 604, kCancel = 606,
                    kExtensions = 607, kMessage = 609;

struct DeleteDialog : OpenInputDialog {
  explicit DeleteDialog(const std::vector<std::string>& files)
      : OpenInputDialog(delete_first_chars_dialog_proc, {kCount}, files) {}
  Preview preview() const { return OpenInputDialog::preview(kBefore, kExtensions, kAfter); }
  std::string message() const { return dialog.shown_text(kMessage); }
  bool can_rename() const { return dialog.is_enabled(kRename); }
  void type(const std::string& count) { dialog.type(kCount, count); }
};

TEST(DeleteFirstCharsDialog, OpensEmptyWithTheFieldLimitedAndRinominaDisabled) {
  DeleteDialog d({"01 Alba.txt", "02 Sole.txt"});
  EXPECT_EQ(d.message(), "");
  EXPECT_TRUE(d.dialog.entries(kAfter).empty());
  EXPECT_EQ(d.dialog.entries(kBefore).size(), 2u);
  EXPECT_FALSE(d.can_rename());
  EXPECT_EQ(d.dialog.focused(), kCount);
  EXPECT_EQ(d.dialog.length_limit(kCount), 63);
  d.type(std::string(70, '0'));
  EXPECT_EQ(d.dialog.shown_text(kCount).size(), 63u);
}

TEST(DeleteFirstCharsDialog, FollowsTheCount) {
  struct Case {
    std::vector<std::string> files;
    std::string count;
    Preview preview;
    const char* message;
    bool can_rename;
  };
  const std::vector<std::string> tracks = {"01 Alba.txt", "02 Sole.jpg"};
  const Preview unchanged = {{"01 Alba.txt", "01 Alba"}, {"02 Sole.jpg", "02 Sole"}};
  const Case cases[] = {
      {tracks, "3", {{"01 Alba.txt", "Alba"}, {"02 Sole.jpg", "Sole"}}, "", true},
      {tracks, "003", {{"01 Alba.txt", "Alba"}, {"02 Sole.jpg", "Sole"}}, "", true},
      {tracks, "6", {{"01 Alba.txt", "a"}, {"02 Sole.jpg", "e"}}, "", true},
      {tracks, "7", {}, texts::kTooManyToDelete, false},
      {tracks, "0", unchanged, "", true},
      {tracks, "000000000000005", unchanged, "", true},  // only 14 characters count
      {tracks, "000000000000037", {{"01 Alba.txt", "Alba"}, {"02 Sole.jpg", "Sole"}}, "", true},
      {tracks, "00000000000006", {{"01 Alba.txt", "a"}, {"02 Sole.jpg", "e"}}, "", true},
      {tracks, "2147483647", {}, texts::kTooManyToDelete, false},
      {tracks, "4294967299", {}, texts::kTooManyToDelete, false},
      {tracks, "99999999999999", {}, texts::kTooManyToDelete, false},
      {tracks, "-1", {}, texts::kTooManyToDelete, false},
      {{"Rosa.txt", "1Rosa.txt"},
       "1",
       {{"Rosa.txt", "osa"}, {"1Rosa.txt", "Rosa"}},
       texts::kDeleteClash,
       false},
      {{"a.txt", "a.doc"}, "0", {{"a.txt", "a"}, {"a.doc", "a"}}, texts::kDeleteClash, false},
      {{"abc.txt", "abcdef.txt"}, "3", {}, texts::kTooManyToDelete, false},
      {{"abc.txt", "abcdef.txt"}, "2", {{"abc.txt", "c"}, {"abcdef.txt", "cdef"}}, "", true},
      {{"abc.txt", ".profile"}, "0", {}, texts::kTooManyToDelete, false},
  };
  for (const Case& c : cases) {
    DeleteDialog d(c.files);
    d.type(c.count);
    EXPECT_EQ(d.preview(), c.preview) << c.count;
    EXPECT_EQ(d.message(), c.message) << c.count;
    EXPECT_EQ(d.can_rename(), c.can_rename) << c.count;
    EXPECT_TRUE(d.dialog.message_boxes().empty()) << c.count;
  }
}

TEST(DeleteFirstCharsDialog, EmptyingTheFieldKeepsTheMessage) {
  DeleteDialog d({"01 Alba.txt", "02 Sole.txt"});
  d.type("3");
  d.type("37");
  ASSERT_EQ(d.message(), texts::kTooManyToDelete);
  d.type("");
  EXPECT_EQ(d.message(), texts::kTooManyToDelete);
  EXPECT_TRUE(d.dialog.entries(kAfter).empty());
  EXPECT_FALSE(d.can_rename());

  d.type("3");
  d.type("");
  EXPECT_EQ(d.message(), "");
  EXPECT_TRUE(d.dialog.entries(kAfter).empty());
  EXPECT_FALSE(d.can_rename());
}

TEST(DeleteFirstCharsDialog, OverlongPresentNameShowsTheMessageBoxAndTheClashText) {
  DeleteDialog d({"bc.txt"});
  // One character more than a path of 260 bytes can hold.
  const std::string stem(260 - d.directory_length() - 1 - 4 - 1 + 1, 's');
  d.folder.add_file(stem + ".txt");
  // Open the dialog afresh on the folder as it now is.
  d.dialog.list_reset(kBefore);
  d.dialog.list_reset(kExtensions);
  d.dialog.open();
  d.type("0");
  ASSERT_EQ(d.dialog.message_boxes().size(), 1u);
  EXPECT_EQ(d.dialog.message_boxes()[0].caption, texts::kPathTooLongCaption);
  EXPECT_EQ(d.message(), texts::kDeleteClash);
  EXPECT_FALSE(d.can_rename());
  EXPECT_EQ(d.dialog.entries(kAfter).size(), 2u);

  d.type("1");  // one character shorter: exactly 260 bytes
  EXPECT_EQ(d.dialog.message_boxes().size(), 1u);
  EXPECT_EQ(d.message(), "");
  EXPECT_TRUE(d.can_rename());
}

TEST(DeleteFirstCharsDialog, RinominaRenamesOnDiskKeepingEveryFile) {
  DeleteDialog d({"01 Alba.mp3", "02 Sole.mp3", "03 Alba.mp3.bak", "x.tar.gz"});
  const auto before = d.folder.contents();
  d.type("1");
  ASSERT_TRUE(d.dialog.press(kRename));
  EXPECT_EQ(d.dialog.end_result(), 0);
  EXPECT_EQ(d.folder.contents(),
            (std::map<std::string, std::string>{{"1 Alba.mp3", before.at("01 Alba.mp3")},
                                                {"2 Sole.mp3", before.at("02 Sole.mp3")},
                                                {"3 Alba.mp3.bak", before.at("03 Alba.mp3.bak")},
                                                {".tar.gz", before.at("x.tar.gz")}}));
}

TEST(DeleteFirstCharsDialog, AnnullaAndEscRenameNothing) {
  for (const ControlId command : {kCancel, ControlId{kCommandCancel}}) {
    DeleteDialog d({"01 Alba.txt", "02 Sole.txt"});
    const auto before = d.folder.contents();
    d.type("3");
    ASSERT_TRUE(d.can_rename());
    d.dialog.send_command(kCommandOk);
    EXPECT_FALSE(d.dialog.end_result().has_value());
    d.dialog.send_command(command);
    EXPECT_EQ(d.dialog.end_result(), 0);
    EXPECT_EQ(d.folder.contents(), before);
  }
}

}  // namespace
}  // namespace veltrano
