#include "operations/renumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/texts.h"
#include "platform/posix/posix_folder.h"
#include "resources/resource_ids.h"
#include "tests/unit/memory_dialog.h"
#include "tests/unit/temp_folder.h"

namespace veltrano {
namespace {

using testing::MemoryDialog;
using testing::TempFolder;
using Names = std::vector<std::string>;

TEST(DecimalWidth, CountsDigitsFromOneToSevenDigitNumbers) {
  const std::pair<long long, int> cases[] = {
      {1, 1},       {9, 1},         {10, 2},         {99, 2},          {100, 3},
      {9'999, 4},   {10'000, 5},    {10'001, 5},     {99'999, 5},      {100'000, 6},
      {999'999, 6}, {1'000'000, 7}, {9'999'999, 7},  {10'000'000, -1}, {0, -1},
      {-1, -1},     {-10, -1},      {LLONG_MAX, -1}, {LLONG_MIN, -1},
  };
  for (const auto& [value, width] : cases) {
    EXPECT_EQ(decimal_width(value), width) << value;
  }
}

TEST(PadWithZeros, AddsOneToSevenZeros) {
  struct Case {
    const char* text;
    int digit_count;
    const char* padded;
  };
  const Case cases[] = {
      {"5", 3, "005"},
      {"5", 1, "5"},
      {"12", 1, "12"},
      {"5", 0, "5"},
      {"5", -4, "5"},
      {"5", 8, "00000005"},
      // Eight zeros would be needed: the text is left as it is.
      {"5", 9, "5"},
      {"9999", 5, "09999"},
      {"10000", 5, "10000"},
      {"", 7, "0000000"},
  };
  for (const Case& c : cases) {
    std::string text = c.text;
    pad_with_zeros(text, c.digit_count);
    EXPECT_EQ(text, c.padded) << c.text << " to " << c.digit_count;
  }
}

TEST(MakeRenumberedStem, KeepsTheTextBeforeTheFirstDigitOnly) {
  struct Case {
    const char* stem;
    long long number;
    int digit_count;
    const char* expected;
  };
  const Case cases[] = {
      {"foto 03 mare", 1, 3, "foto 001"},
      {"2019 foto", 7, 3, "007"},
      {"cd2 track05", 1, 2, "cd01"},
      {"img9", 10, 2, "img10"},
      {"x5", 0, 2, "x00"},
      {"IMG_0417", 9'999, 5, "IMG_09999"},
      {"a1", 10'000, 5, "a10000"},
      {"citt\xE0 1 mare", 4, 2, "citt\xE0 04"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(make_renumbered_stem(c.stem, c.number, c.digit_count), c.expected) << c.stem;
  }
}

// The renumbering dialog opened on a real temporary folder.
class RenumberDialog : public ::testing::Test {
 protected:
  void open(const Names& files) {
    folder_.emplace(files);
    dialog_.emplace(&renumber_dialog_proc, posix_,
                    std::set<ControlId>{IDC_REN_START, IDC_REN_DIGIT_COUNT});
    dialog_->open();
    original_ = folder_->contents();
  }

  // Types both fields: the start number first, then the digit count.
  void enter(const std::string& start, const std::string& digit_count) {
    dialog_->type(IDC_REN_START, start);
    dialog_->type(IDC_REN_DIGIT_COUNT, digit_count);
  }

  Names before() const { return dialog_->entries(IDC_REN_BEFORE); }
  Names after() const { return dialog_->entries(IDC_REN_AFTER); }
  std::string message() const { return dialog_->shown_text(IDC_REN_MESSAGE); }
  bool rename_enabled() const { return dialog_->is_enabled(IDC_REN_RENAME); }

  // The after list expected from the listed order: the stem up to its first digit, then the
  // number of its index.
  Names renumbered(int start, int digit_count) const {
    Names expected;
    const Names stems = before();
    for (std::size_t i = 0; i < stems.size(); ++i) {
      std::string number = std::to_string(start + static_cast<int>(i));
      number.insert(
          0, static_cast<std::size_t>(std::max(0, digit_count - static_cast<int>(number.size()))),
          '0');
      expected.push_back(stems[i].substr(0, stems[i].find_first_of("0123456789")) + number);
    }
    return expected;
  }

  // The folder as it should be after renaming by the shown preview: every listed file under its
  // new name with its own contents, every other file untouched.
  std::map<std::string, std::string> renamed_by_preview() const {
    std::map<std::string, std::string> expected = original_;
    const Names stems = before();
    const Names extensions = dialog_->entries(IDC_REN_EXTENSIONS);
    const Names new_stems = after();
    for (std::size_t i = 0; i < new_stems.size(); ++i) {
      const auto old_file = expected.extract(stems[i] + extensions[i]);
      expected.emplace(new_stems[i] + extensions[i], old_file.mapped());
    }
    return expected;
  }

  PosixFolder posix_;
  std::optional<TempFolder> folder_;
  std::optional<MemoryDialog> dialog_;
  std::map<std::string, std::string> original_;
};

TEST_F(RenumberDialog, NoFileWithANumberLeavesOnlyClosing) {
  open({"mare.jpg", "sole.png", "prog1.exe", "mare.mp3"});
  EXPECT_EQ(dialog_->shown_text(IDC_REN_MARKER), texts::kMarkerNoDigits);
  EXPECT_EQ(before(), (Names{texts::kWarningTitle, texts::kNoDigits}));
  EXPECT_TRUE(after().empty());
  EXPECT_EQ(message(), "");
  for (const ControlId control : {IDC_REN_START, IDC_REN_DIGIT_COUNT, IDC_REN_RENAME}) {
    EXPECT_FALSE(dialog_->is_enabled(control)) << control;
  }
  EXPECT_TRUE(dialog_->is_enabled(IDC_REN_CANCEL));
  EXPECT_EQ(dialog_->shown_text(IDC_REN_DIGIT_COUNT), "");
  EXPECT_EQ(dialog_->length_limit(IDC_REN_START), std::nullopt);
  EXPECT_EQ(dialog_->length_limit(IDC_REN_DIGIT_COUNT), std::nullopt);
  EXPECT_FALSE(dialog_->press(IDC_REN_RENAME));
  EXPECT_TRUE(dialog_->press(IDC_REN_CANCEL));
  EXPECT_EQ(dialog_->end_result(), 0);
  EXPECT_EQ(folder_->contents(), original_);
}

TEST_F(RenumberDialog, NumbersAtDifferentPlacesWarnInBothLists) {
  open({"foto 3 mare.jpg", "foto 12 mare.jpg"});
  const Names warning = {texts::kWarningTitle, texts::kPositionDiffers1, texts::kPositionDiffers2};
  EXPECT_EQ(dialog_->shown_text(IDC_REN_MARKER), texts::kMarkerPositionDiffers);
  EXPECT_EQ(before(), warning);
  EXPECT_EQ(after(), warning);
  for (const ControlId control : {IDC_REN_START, IDC_REN_DIGIT_COUNT, IDC_REN_RENAME}) {
    EXPECT_FALSE(dialog_->is_enabled(control)) << control;
  }
  EXPECT_TRUE(dialog_->is_enabled(IDC_REN_CANCEL));
  EXPECT_EQ(dialog_->length_limit(IDC_REN_START), std::nullopt);
  dialog_->send_command(kCommandCancel);
  EXPECT_EQ(dialog_->end_result(), 0);
  EXPECT_EQ(folder_->contents(), original_);
}

TEST_F(RenumberDialog, OpensWaitingForAStartNumberThenRenumbersInListOrder) {
  open({"foto 03 mare.jpg", "foto 12 mare.jpg", "mare.jpg"});
  EXPECT_EQ(dialog_->shown_text(IDC_REN_MARKER), "");
  Names stems = before();
  std::sort(stems.begin(), stems.end());
  EXPECT_EQ(stems, (Names{"foto 03 mare", "foto 12 mare"}));
  EXPECT_TRUE(after().empty());
  EXPECT_EQ(dialog_->shown_text(IDC_REN_START), "");
  EXPECT_EQ(dialog_->shown_text(IDC_REN_DIGIT_COUNT), "3");
  EXPECT_EQ(dialog_->length_limit(IDC_REN_START), 4);
  EXPECT_EQ(dialog_->length_limit(IDC_REN_DIGIT_COUNT), 1);
  EXPECT_TRUE(dialog_->is_enabled(IDC_REN_START));
  EXPECT_TRUE(dialog_->is_enabled(IDC_REN_DIGIT_COUNT));
  EXPECT_FALSE(rename_enabled());
  EXPECT_TRUE(dialog_->is_enabled(IDC_REN_CANCEL));
  EXPECT_EQ(message(), "");
  EXPECT_EQ(dialog_->focused(), std::nullopt);

  dialog_->type(IDC_REN_START, "1");
  EXPECT_EQ(after(), (Names{"foto 001", "foto 002"}));
  EXPECT_EQ(message(), "");
  EXPECT_TRUE(rename_enabled());
  EXPECT_TRUE(dialog_->all_lists_redrawn());

  const auto expected = renamed_by_preview();
  EXPECT_TRUE(dialog_->press(IDC_REN_RENAME));
  EXPECT_EQ(dialog_->end_result(), 0);
  EXPECT_EQ(folder_->contents(), expected);
  EXPECT_EQ(expected.count("foto 001.jpg"), 1u);
  EXPECT_EQ(expected.count("foto 002.jpg"), 1u);
  EXPECT_EQ(expected.count("mare.jpg"), 1u);
}

TEST_F(RenumberDialog, DigitCountMustHoldOnePastTheLastNumber) {
  Names files;
  for (int i = 1; i <= 9; ++i) {
    files.push_back("img" + std::to_string(i) + ".jpg");
  }
  open(files);
  struct Case {
    const char* start;
    const char* digit_count;
    const char* refusal;  // nullptr: the preview is shown and "Rinomina" enabled
  };
  const Case cases[] = {
      {"1", "1", texts::kDigitCountTooLow},  // 1 + 9 = 10 needs two digits
      {"1", "2", nullptr},
      {"0", "2", nullptr},
      {"1", "0", texts::kDigitCountTooLow},
      {"1", "8", texts::kDigitCountTooHigh},
      {"1", "9", texts::kDigitCountTooHigh},
      {"1", "7", nullptr},
      {"9990", "4", nullptr},                   // 9,990 + 9 = 9,999
      {"9991", "4", texts::kDigitCountTooLow},  // 10,000, although 9,999 is the last number
      {"9991", "5", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " / " + c.digit_count);
    enter(c.start, c.digit_count);
    if (c.refusal == nullptr) {
      EXPECT_EQ(after(), renumbered(std::stoi(c.start), std::stoi(c.digit_count)));
      EXPECT_EQ(message(), "");
      EXPECT_TRUE(rename_enabled());
    } else {
      EXPECT_TRUE(after().empty());
      EXPECT_EQ(message(), c.refusal);
      EXPECT_FALSE(rename_enabled());
    }
  }
}

TEST_F(RenumberDialog, TheTestIsOnStartPlusTheCountOfFiles) {
  open({"a1.txt", "b1.txt"});
  struct Case {
    const char* start;
    const char* digit_count;
    bool accepted;
  };
  const Case cases[] = {
      {"7", "1", true},   // 7 + 2 = 9
      {"8", "1", false},  // 10, although 8 and 9 fit
      {"8", "2", true},
      {"9997", "4", true},   // 9,999 is the last number needing four digits: the test is on 9,999
      {"9998", "4", false},  // the test is on 10,000, although 9,998 and 9,999 fit
      {"9999", "4", false},  // 10,001
      {"9999", "5", true},
      {"9998", "5", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.start) + " / " + c.digit_count);
    enter(c.start, c.digit_count);
    EXPECT_EQ(rename_enabled(), c.accepted);
    if (c.accepted) {
      EXPECT_EQ(after(), renumbered(std::stoi(c.start), std::stoi(c.digit_count)));
    } else {
      EXPECT_TRUE(after().empty());
      EXPECT_EQ(message(), texts::kDigitCountTooLow);
    }
  }
}

TEST_F(RenumberDialog, NewStemEqualToAnotherFilesStemIsRefused) {
  open({"a1.txt", "a2.txt"});
  struct Case {
    const char* start;
    bool accepted;
  };
  // Listed as a1, a2: 2 gives a2 and a3, refused; 0 gives a0 and a1, refused although renaming
  // in list order would work.
  const std::vector<Case> in_creation_order = {{"2", false}, {"3", true}, {"0", false}};
  // Listed as a2, a1: 1 gives a1 and a2, refused; 2 and 0 leave the second file its own stem.
  const std::vector<Case> in_reverse_order = {{"1", false}, {"2", true}, {"0", true}};
  ASSERT_EQ(before().size(), 2u);
  for (const Case& c : before()[0] == "a1" ? in_creation_order : in_reverse_order) {
    SCOPED_TRACE(c.start);
    enter(c.start, "1");
    EXPECT_EQ(after(), renumbered(std::stoi(c.start), 1));  // the preview stays in both cases
    EXPECT_EQ(message(), c.accepted ? "" : texts::kRenumberClash);
    EXPECT_EQ(rename_enabled(), c.accepted);
  }
  enter("3", "1");
  const auto expected = renamed_by_preview();
  EXPECT_TRUE(dialog_->press(IDC_REN_RENAME));
  EXPECT_EQ(folder_->contents(), expected);
}

TEST_F(RenumberDialog, ChainIsRefusedThoughRenamingInListOrderWouldWork) {
  open({"a1.txt", "a3.txt"});
  const Names stems = before();
  ASSERT_EQ(stems.size(), 2u);
  // The second file is given the first file's present stem, the first a free one.
  const int start = std::stoi(stems[0].substr(1)) - 1;
  enter(std::to_string(start), "1");
  ASSERT_EQ(after(), renumbered(start, 1));
  EXPECT_EQ(after()[1], stems[0]);
  EXPECT_EQ(message(), texts::kRenumberClash);
  EXPECT_FALSE(rename_enabled());
}

TEST_F(RenumberDialog, EmptyingAFieldKeepsTheLastPreview) {
  open({"x5.txt", "x6.txt"});
  enter("0", "2");
  const Names ready = renumbered(0, 2);
  ASSERT_EQ(after(), ready);
  ASSERT_TRUE(rename_enabled());

  dialog_->type(IDC_REN_START, "");
  EXPECT_EQ(after(), ready);
  EXPECT_TRUE(rename_enabled());
  dialog_->type(IDC_REN_DIGIT_COUNT, "");
  EXPECT_EQ(after(), ready);
  EXPECT_TRUE(rename_enabled());

  // A refusal then an emptied field: the refusal stays.
  enter("1", "9");
  dialog_->type(IDC_REN_DIGIT_COUNT, "");
  EXPECT_TRUE(after().empty());
  EXPECT_EQ(message(), texts::kDigitCountTooHigh);
  EXPECT_FALSE(rename_enabled());

  // "Rinomina" renames by a preview that stayed after a field was emptied.
  enter("0", "2");
  dialog_->type(IDC_REN_START, "");
  const auto expected = renamed_by_preview();
  EXPECT_TRUE(dialog_->press(IDC_REN_RENAME));
  EXPECT_EQ(folder_->contents(), expected);
}

TEST_F(RenumberDialog, PastedNegativeStartGivesNoPreviewAndRenamesNothing) {
  open({"x5.txt", "x6.txt"});
  enter("1", "2");
  ASSERT_TRUE(rename_enabled());
  dialog_->type(IDC_REN_START, "-5");
  EXPECT_TRUE(after().empty());
  EXPECT_FALSE(rename_enabled());
  EXPECT_EQ(message(), texts::kRenumberClash);
  EXPECT_TRUE(dialog_->message_boxes().empty());

  // Even a click that reached the disabled button would rename nothing.
  dialog_->send_command(IDC_REN_RENAME);
  EXPECT_EQ(dialog_->end_result(), 0);
  EXPECT_EQ(folder_->contents(), original_);
}

TEST_F(RenumberDialog, StartNumberBeyondTheFieldLimitIsRefusedAsTooLow) {
  // Text set from outside the keyboard is not held to the field's four characters.
  open({"x5.txt", "x6.txt"});
  const char* const starts[] = {"9999998", "99999999999999999999"};
  for (const char* start : starts) {
    SCOPED_TRACE(start);
    dialog_->set_text(IDC_REN_START, start);
    dialog_->type(IDC_REN_DIGIT_COUNT, "7");
    EXPECT_TRUE(after().empty());
    EXPECT_EQ(message(), texts::kDigitCountTooLow);
    EXPECT_FALSE(rename_enabled());
  }
  dialog_->set_text(IDC_REN_START, "9999997");
  EXPECT_EQ(after(), renumbered(9'999'997, 7));
  EXPECT_TRUE(rename_enabled());
}

TEST_F(RenumberDialog, PastedTextWithoutDigitsCountsAsZero) {
  open({"x5.txt", "x6.txt"});
  enter("ab", "2");
  EXPECT_EQ(after(), renumbered(0, 2));
  EXPECT_TRUE(rename_enabled());
}

TEST_F(RenumberDialog, SameStemWithTwoExtensionsGetsTwoNumbers) {
  open({"foto 01.jpg", "foto 01.txt"});
  enter("1", "3");
  EXPECT_EQ(after(), (Names{"foto 001", "foto 002"}));
  EXPECT_TRUE(rename_enabled());
  const auto expected = renamed_by_preview();
  EXPECT_TRUE(dialog_->press(IDC_REN_RENAME));
  EXPECT_EQ(folder_->contents(), expected);
}

TEST_F(RenumberDialog, OverlongPathIsReportedThenRefusedAsAClash) {
  // The new path: the folder, a separator, the kept text, three digits, ".txt" and a zero.
  const std::size_t directory = std::filesystem::temp_directory_path().string().size() +
                                std::string("/veltrano-test-XXXXXX").size();
  const std::size_t kept = 261 - (directory + 1) - 3 - 4 - 1;
  ASSERT_LT(kept + 5, 255u) << "temporary directory path too short for this test";
  const std::string prefix(kept, 'p');
  open({prefix + "1.txt", prefix + "2.txt"});
  ASSERT_EQ(posix_.current_directory().value_or("").size(), directory);
  dialog_->type(IDC_REN_START, "1");
  ASSERT_EQ(dialog_->message_boxes().size(), 1u);
  EXPECT_EQ(dialog_->message_boxes()[0].text, texts::kPathTooLong);
  EXPECT_EQ(dialog_->message_boxes()[0].caption, texts::kPathTooLongCaption);
  EXPECT_EQ(after(), renumbered(1, 3));
  EXPECT_EQ(message(), texts::kRenumberClash);
  EXPECT_FALSE(rename_enabled());

  // One byte shorter fits: two digits.
  dialog_->type(IDC_REN_DIGIT_COUNT, "2");
  EXPECT_EQ(dialog_->message_boxes().size(), 1u);
  EXPECT_EQ(message(), "");
  EXPECT_TRUE(rename_enabled());
}

TEST_F(RenumberDialog, EnterAndOtherCommandsDoNothing) {
  open({"x5.txt", "x6.txt"});
  enter("1", "2");
  dialog_->send_command(kCommandOk);
  dialog_->send_command(IDC_REN_BEFORE, 1);     // a list's selection change
  dialog_->send_command(IDC_REN_START, 0x100);  // focus gained
  EXPECT_EQ(dialog_->end_result(), std::nullopt);
  EXPECT_TRUE(dialog_->press(IDC_REN_CANCEL));
  EXPECT_EQ(dialog_->end_result(), 0);
  EXPECT_EQ(folder_->contents(), original_);
}

}  // namespace
}  // namespace veltrano
