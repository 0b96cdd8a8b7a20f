#include "operations/renumber.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using namespace testing;

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
  const struct {
    const char* text;
    int digit_count;
    const char* padded;
  } cases[] = {
      {"5", 3, "005"},      {"5", 1, "5"},         {"12", 1, "12"},    {"5", 0, "5"},
      {"5", -4, "5"},       {"5", 8, "00000005"},  {"5", 9, "5"},  // eight zeros: left alone
      {"9999", 5, "09999"}, {"10000", 5, "10000"}, {"", 7, "0000000"},
  };
  for (const auto& c : cases) {
    std::string text = c.text;
    pad_with_zeros(text, c.digit_count);
    EXPECT_EQ(text, c.padded) << c.text << " to " << c.digit_count;
  }
}

TEST(MakeRenumberedStem, KeepsTheTextBeforeTheFirstDigitOnly) {
  const struct {
    const char* stem;
    long long number;
    int digit_count;
    const char* expected;
  } cases[] = {
      {"foto 03 mare", 1, 3, "foto 001"},
      {"2019 foto", 7, 3, "007"},
      {"cd2 track05", 1, 2, "cd01"},
      {"img9", 10, 2, "img10"},
      {"x5", 0, 2, "x00"},
      {"IMG_0417", 9'999, 5, "IMG_09999"},
      {"a1", 10'000, 5, "a10000"},
      {"citt\xE0 1 mare", 4, 2, "citt\xE0 04"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(make_renumbered_stem(c.stem, c.number, c.digit_count), c.expected) << c.stem;
  }
}

constexpr DialogIds kIds = {IDC_REN_BEFORE, IDC_REN_EXTENSIONS, IDC_REN_AFTER,
                            IDC_REN_RENAME, IDC_REN_CANCEL,     IDC_REN_MESSAGE};
constexpr ControlId kStart = IDC_REN_START, kDigits = IDC_REN_DIGIT_COUNT;

struct RenumberDialog : OpenDialog {
  explicit RenumberDialog(const Names& files)
      : OpenDialog(renumber_dialog_proc, kIds, files, {kStart, kDigits}) {}

  void enter(const std::string& start, const std::string& digit_count) {
    dialog.type(kStart, start);
    dialog.type(kDigits, digit_count);
  }

  // The preview expected from the listed order: each stem up to its first digit, then the number
  // of its index.
  Preview numbered(int start, int digit_count) const {
    Preview expected;
    const Names stems = before(), extensions = dialog.entries(kIds.extensions);
    for (std::size_t i = 0; i < stems.size(); ++i) {
      std::string number = std::to_string(start + static_cast<int>(i));
      if (static_cast<int>(number.size()) < digit_count) {
        number.insert(0, static_cast<std::size_t>(digit_count) - number.size(), '0');
      }
      expected[stems[i] + extensions[i]] =
          stems[i].substr(0, stems[i].find_first_of("0123456789")) + number;
    }
    return expected;
  }
};

TEST(RenumberDialog, WithoutOneNumberedPositionOnlyAnnullaIsLeft) {
  const Names no_digits = {texts::kWarningTitle, texts::kNoDigits};
  const Names differs = {texts::kWarningTitle, texts::kPositionDiffers1, texts::kPositionDiffers2};
  const struct {
    Names files;
    const char* marker;
    Names before, after;
  } cases[] = {
      {{"mare.jpg", "sole.png", "prog1.exe", "mare.mp3"}, texts::kMarkerNoDigits, no_digits, {}},
      {{"foto 3 mare.jpg", "foto 12 mare.jpg"}, texts::kMarkerPositionDiffers, differs, differs},
  };
  for (const auto& c : cases) {
    RenumberDialog d(c.files);
    EXPECT_EQ(d.dialog.shown_text(IDC_REN_MARKER), c.marker);
    EXPECT_EQ(d.before(), c.before);
    EXPECT_EQ(d.after(), c.after);
    for (const ControlId control : {kStart, kDigits, kIds.rename}) {
      EXPECT_FALSE(d.dialog.is_enabled(control)) << control;
    }
    EXPECT_EQ(d.dialog.length_limit(kStart), std::nullopt);
    EXPECT_EQ(d.message(), "");
    EXPECT_FALSE(d.dialog.press(kIds.rename));
    EXPECT_TRUE(d.dialog.press(kIds.cancel));
    EXPECT_EQ(d.dialog.end_result(), 0);
    EXPECT_EQ(d.folder.contents(), d.original);
  }
}

// One stem with two extensions is two files, which get two numbers.
TEST(RenumberDialog, OpensWaitingForAStartNumberThenRenumbersInListOrder) {
  RenumberDialog d({"foto 03 mare.jpg", "foto 03 mare.txt", "foto 12 mare.jpg", "mare.jpg"});
  EXPECT_EQ(d.dialog.shown_text(IDC_REN_MARKER), "");
  EXPECT_EQ(d.before().size(), 3u);
  EXPECT_TRUE(d.after().empty());
  EXPECT_EQ(d.dialog.shown_text(kStart), "");
  EXPECT_EQ(d.dialog.shown_text(kDigits), "3");
  EXPECT_EQ(d.dialog.length_limit(kStart), 4);
  EXPECT_EQ(d.dialog.length_limit(kDigits), 1);
  EXPECT_TRUE(d.dialog.is_enabled(kStart));
  EXPECT_TRUE(d.dialog.is_enabled(kDigits));
  EXPECT_FALSE(d.can_rename());
  EXPECT_EQ(d.message(), "");
  EXPECT_EQ(d.dialog.focused(), std::nullopt);

  d.run({{kStart, "1", d.numbered(1, 3), "", true}});
  EXPECT_TRUE(d.dialog.all_lists_redrawn());
  EXPECT_EQ(d.after(), (Names{"foto 001", "foto 002", "foto 003"}));
  d.expect_rinomina_renames_by_preview();
}

TEST(RenumberDialog, DigitCountMustHoldTheLastNumberGivenOut) {
  const char* const too_low = texts::kDigitCountTooLow;
  const char* const too_high = texts::kDigitCountTooHigh;
  const struct {
    int files;
    const char* start;
    const char* digit_count;
    const char* refusal;  // nullptr: the preview is shown and "Rinomina" enabled
  } cases[] = {
      {9, "1", "1", nullptr},  // 1 to 9
      {9, "2", "1", too_low},    {9, "0", "1", nullptr},
      {9, "1", "0", too_low},    {9, "1", "8", too_high},
      {9, "1", "9", too_high},   {9, "1", "7", nullptr},
      {9, "9991", "4", nullptr},  // 9,999
      {9, "9992", "4", too_low}, {9, "9992", "5", nullptr},
      {2, "8", "1", nullptr},    {2, "9", "1", too_low},
      {2, "9", "2", nullptr},    {2, "9998", "4", nullptr},
      {2, "9999", "4", too_low}, {2, "9999", "5", nullptr},
      {1, "0", "1", nullptr},  // the width of 0 is 1
      {1, "0", "0", too_low},
  };
  for (const int files : {1, 2, 9}) {
    Names names;
    for (int i = 1; i <= files; ++i) {
      names.push_back("img" + std::to_string(i) + "_.jpg");
    }
    RenumberDialog d(names);
    for (const auto& c : cases) {
      if (c.files == files) {
        SCOPED_TRACE(std::string(c.start) + " / " + c.digit_count);
        d.dialog.type(kStart, c.start);
        d.run({{kDigits, c.digit_count,
                c.refusal ? Preview{} : d.numbered(std::stoi(c.start), std::stoi(c.digit_count)),
                c.refusal ? c.refusal : "", c.refusal == nullptr}});
      }
    }
  }
}

// Refused even where renaming in list order would work: a chain (a1 to a0, a2 to a1) as well as
// a swap.
TEST(RenumberDialog, NewStemEqualToAnotherFilesPresentStemIsRefused) {
  RenumberDialog d({"a1.txt", "a2.txt"});
  const struct {
    const char* start;
    bool accepted;
  } in_creation_order[] = {{"2", false}, {"3", true}, {"0", false}},
    in_reverse_order[] = {{"1", false}, {"2", true}, {"0", true}};  // listed as a2, a1
  ASSERT_EQ(d.before().size(), 2u);
  for (const auto& c : d.before()[0] == "a1" ? in_creation_order : in_reverse_order) {
    SCOPED_TRACE(c.start);
    d.dialog.type(kDigits, "1");
    d.run({{kStart, c.start, d.numbered(std::stoi(c.start), 1),
            c.accepted ? "" : texts::kRenumberClash, c.accepted}});
  }
  d.enter("3", "1");
  d.expect_rinomina_renames_by_preview();
}

TEST(RenumberDialog, EmptyingAFieldKeepsTheLastPreviewOrRefusal) {
  RenumberDialog d({"x5.txt", "x6.txt"});
  const Preview ready = d.numbered(0, 2);
  d.run({
      {kStart, "0", d.numbered(0, 3), "", true},
      {kDigits, "2", ready, "", true},
      {kStart, "", ready, "", true},
      {kDigits, "", ready, "", true},
      {kStart, "1", ready, "", true},  // the digit count is still empty
      {kDigits, "9", Preview{}, texts::kDigitCountTooHigh, false},
      {kDigits, "", Preview{}, texts::kDigitCountTooHigh, false},
      {kStart, "ab", Preview{}, texts::kDigitCountTooHigh, false},
      {kDigits, "2", ready, "", true},  // pasted text without digits counts as zero
      {kStart, "", ready, "", true},
  });
  d.expect_rinomina_renames_by_preview();
}

TEST(RenumberDialog, PastedNegativeStartGivesNoPreviewAndRenamesNothing) {
  RenumberDialog d({"x5.txt", "x6.txt"});
  d.enter("1", "2");
  d.run({{kStart, "-5", Preview{}, "", false}});  // no clash to report
  // Even a click that reached the disabled button would rename nothing.
  d.dialog.send_command(kIds.rename);
  EXPECT_EQ(d.dialog.end_result(), 0);
  EXPECT_EQ(d.folder.contents(), d.original);
}

TEST(RenumberDialog, StartNumberBeyondTheFieldLimitIsRefusedAsTooLow) {
  // Text set from outside the keyboard is not held to the field's four characters.
  RenumberDialog d({"x5.txt", "x6.txt"});
  d.dialog.type(kDigits, "7");
  for (const char* start : {"9999999", "99999999999999999999"}) {
    d.dialog.set_text(kStart, start);
    EXPECT_TRUE(d.after().empty()) << start;
    EXPECT_EQ(d.message(), texts::kDigitCountTooLow) << start;
    EXPECT_FALSE(d.can_rename()) << start;
  }
  d.dialog.set_text(kStart, "9999998");  // the last number, 9,999,999, fits
  EXPECT_EQ(d.preview(), d.numbered(9'999'998, 7));
  EXPECT_TRUE(d.can_rename());
}

TEST(RenumberDialog, OverlongPathIsReportedByItsBoxAloneAndRefused) {
  // The new path: the folder, a separator, the kept text, three digits, ".txt" and a zero.
  TempFolder probe;
  const std::size_t kept = 261 - (probe.path().string().size() + 1) - 3 - 4 - 1;
  const std::string prefix(kept, 'p');
  RenumberDialog d({prefix + "1.txt", prefix + "2.txt"});
  ASSERT_EQ(d.longest_stem() + 1, kept + 3);
  d.run({{kStart, "1", d.numbered(1, 3), "", false, 1},
         {kDigits, "2", d.numbered(1, 2), "", true, 1}});  // one byte shorter fits
  d.expect_one_path_box();
}

}  // namespace
}  // namespace veltrano
