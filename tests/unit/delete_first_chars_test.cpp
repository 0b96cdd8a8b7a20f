#include "operations/delete_first_chars.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using namespace testing;

constexpr ControlId kCount = BASE_DELETE_FIRST_CHARS + OFFSET_INPUT;

struct DeleteDialog : OpenDialog {
  explicit DeleteDialog(const Names& files)
      : OpenDialog(delete_first_chars_dialog_proc,
                   frame_ids(BASE_DELETE_FIRST_CHARS, IDC_DEL_MESSAGE), files, {kCount}) {}
};

TEST(DeleteFirstCharsDialog, FollowsTheCountAtEveryChange) {
  DeleteDialog d({"01 Alba.txt", "02 Sole.jpg"});
  EXPECT_EQ(d.message(), "");
  EXPECT_TRUE(d.after().empty());
  EXPECT_FALSE(d.can_rename());
  EXPECT_EQ(d.dialog.focused(), kCount);
  EXPECT_EQ(d.dialog.length_limit(kCount), 63);

  const auto shows = [](const std::string& alba, const std::string& sole) {
    return Preview{{"01 Alba.txt", alba}, {"02 Sole.jpg", sole}};
  };
  const std::string too_many = texts::kTooManyToDelete;
  d.run({
      {kCount, "3", shows("Alba", "Sole"), "", true},
      {kCount, "6", shows("a", "e"), "", true},  // the shortest stem keeps one character
      {kCount, "7", Preview{}, too_many, false},
      {kCount, "", Preview{}, too_many, false},  // emptying the field keeps the message
      {kCount, "003", shows("Alba", "Sole"), "", true},
      {kCount, "", Preview{}, "", false},
      {kCount, "0", shows("01 Alba", "02 Sole"), "", true},
      // Only the first fourteen characters form the count.
      {kCount, "000000000000005", shows("01 Alba", "02 Sole"), "", true},
      {kCount, "000000000000037", shows("Alba", "Sole"), "", true},
      {kCount, "00000000000006", shows("a", "e"), "", true},
      {kCount, "2147483647", Preview{}, too_many, false},
      {kCount, "4294967299", Preview{}, too_many, false},  // no wrap to 3
      {kCount, "99999999999999", Preview{}, too_many, false},
      {kCount, "-1", Preview{}, too_many, false},  // pasted
      {kCount, std::string(70, '0'), shows("01 Alba", "02 Sole"), "", true},
  });
  EXPECT_EQ(d.dialog.shown_text(kCount), std::string(63, '0'));
}

TEST(DeleteFirstCharsDialog, ClashesAndStemsTooShort) {
  const std::string clash = texts::kDeleteClash, too_many = texts::kTooManyToDelete;
  const struct {
    Names files;
    std::string count;
    Preview preview;
    std::string message;
    bool can_rename;
  } cases[] = {
      {{"Rosa.txt", "1Rosa.txt"}, "1", {{"Rosa.txt", "osa"}, {"1Rosa.txt", "Rosa"}}, clash, false},
      {{"a.txt", "a.doc"}, "0", {{"a.txt", "a"}, {"a.doc", "a"}}, clash, false},
      {{"abc.txt", "abcdef.txt"}, "3", {}, too_many, false},
      {{"abc.txt", "abcdef.txt"}, "2", {{"abc.txt", "c"}, {"abcdef.txt", "cdef"}}, "", true},
      {{"abc.txt", ".profile"}, "0", {}, too_many, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.files[0] + " " + c.files[1]);
    DeleteDialog d(c.files);
    d.run({{kCount, c.count, c.preview, c.message, c.can_rename}});
  }
}

TEST(DeleteFirstCharsDialog, PathLongerThan260BytesIsReportedByItsBoxAloneAndRefused) {
  // A present name one character longer than a path of 260 bytes can hold.
  TempFolder probe;
  const std::size_t directory = probe.path().string().size();
  const std::string stem(260 - directory - 1 - 4 - 1 + 1, 's');
  DeleteDialog d({"bc.txt", stem + ".txt"});
  ASSERT_EQ(d.longest_stem() + 1, stem.size());
  d.run({{kCount, "0", Preview{{"bc.txt", "bc"}, {stem + ".txt", stem}}, "", false, 1},
         {kCount, "1", Preview{{"bc.txt", "c"}, {stem + ".txt", stem.substr(1)}}, "", true, 1}});
  d.expect_one_path_box();
}

TEST(DeleteFirstCharsDialog, RinominaRenamesOnDiskKeepingEveryFile) {
  DeleteDialog d({"01 Alba.mp3", "02 Sole.mp3", "03 Alba.mp3.bak", "x.tar.gz"});
  d.dialog.type(kCount, "1");
  EXPECT_EQ(d.preview(), (Preview{{"01 Alba.mp3", "1 Alba"},
                                  {"02 Sole.mp3", "2 Sole"},
                                  {"03 Alba.mp3.bak", "3 Alba.mp3"},
                                  {"x.tar.gz", ".tar"}}));
  d.expect_rinomina_renames_by_preview();
}

}  // namespace
}  // namespace veltrano
