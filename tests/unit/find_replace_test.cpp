#include "operations/find_replace.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/texts.h"
#include "resources/resource_ids.h"
#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using testing::OpenInputDialog;
using Preview = std::map<std::string, std::string>;

constexpr ControlId kBefore = 501, kAfter = 502, kFind = 503, kRename = 504, kMessage = 505,
                    kCancel = 506, kExtensions = 507, kReplacement = 509;

struct FindReplaceDialog : OpenInputDialog {
  explicit FindReplaceDialog(const std::vector<std::string>& files)
      : OpenInputDialog(find_replace_dialog_proc, {kFind, kReplacement}, files) {}
  Preview preview() const { return OpenInputDialog::preview(kBefore, kExtensions, kAfter); }
  std::string message() const { return dialog.shown_text(kMessage); }
  bool can_rename() const { return dialog.is_enabled(kRename); }
};

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlapOrSearchingInsertedText) {
  struct Case {
    const char* text;
    const char* find;
    const char* replacement;
    const char* expected;
  };
  const Case cases[] = {
      {"Canzone_01", "Canzone", "Brano", "Brano_01"},
      {"Canzone_01", "canzone", "Brano", "Canzone_01"},
      {"Foto 12 12", "12", "", "Foto  "},
      {"aaaa", "aa", "b", "bb"},
      {"aaa", "aa", "b", "ba"},
      {"abab", "ab", "ba", "baba"},
      {"x", "x", "xx", "xx"},
      {"abc", "abc", "", ""},
      {"xax", "x", "xax", "xaxaxax"},
      {"abc", "abcd", "z", "abc"},
      {"", "a", "b", ""},
      {"citt\xE0 citta", "\xE0", "a", "citta citta"},
      {"CITT\xC0", "\xE0", "a", "CITT\xC0"},
      {"a-b-c", "-", " - ", "a - b - c"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(replace_all(c.text, c.find, c.replacement), c.expected)
        << c.text << " / " << c.find << " / " << c.replacement;
  }
}

TEST(ReplaceAll, GrowsBeyondAnyBufferWithoutCutting) {
  const std::string replaced = replace_all(std::string(200, 'a'), "a", "bcd");
  EXPECT_EQ(replaced, [] {
    std::string expected;
    for (int i = 0; i < 200; ++i) {
      expected += "bcd";
    }
    return expected;
  }());
}

TEST(FindReplaceDialog, OpensAskingForTheFindTextWithRinominaDisabled) {
  FindReplaceDialog d({"Alba.txt", "Sole.jpg", "skip.exe"});
  EXPECT_EQ(d.message(), texts::kFindEmpty);
  EXPECT_TRUE(d.dialog.entries(kAfter).empty());
  EXPECT_EQ(d.dialog.entries(kBefore).size(), 2u);
  EXPECT_EQ(d.dialog.entries(kExtensions).size(), 2u);
  EXPECT_FALSE(d.can_rename());
  EXPECT_EQ(d.dialog.focused(), kFind);
}

TEST(FindReplaceDialog, FollowsBothFieldsAsTheUserTypes) {
  FindReplaceDialog d({"Canzone_01.mp3", "Canzone_02.mp3", "Intro.mp3"});
  d.dialog.type(kFind, "Canzone");
  EXPECT_EQ(d.message(), "");
  EXPECT_EQ(
      d.preview(),
      (Preview{{"Canzone_01.mp3", "_01"}, {"Canzone_02.mp3", "_02"}, {"Intro.mp3", "Intro"}}));
  EXPECT_TRUE(d.can_rename());

  d.dialog.type(kReplacement, "Brano");
  EXPECT_EQ(d.preview(), (Preview{{"Canzone_01.mp3", "Brano_01"},
                                  {"Canzone_02.mp3", "Brano_02"},
                                  {"Intro.mp3", "Intro"}}));
  EXPECT_TRUE(d.can_rename());

  d.dialog.type(kFind, "canzone");  // case-sensitive: no match
  EXPECT_EQ(d.preview(), (Preview{{"Canzone_01.mp3", "Canzone_01"},
                                  {"Canzone_02.mp3", "Canzone_02"},
                                  {"Intro.mp3", "Intro"}}));
  EXPECT_TRUE(d.can_rename());
  EXPECT_TRUE(d.dialog.message_boxes().empty());
}

TEST(FindReplaceDialog, EmptyFindTextEmptiesThePreviewFromEitherField) {
  FindReplaceDialog d({"Alba.txt", "Sole.txt"});
  d.dialog.type(kReplacement, "x");  // typing here while Trova is empty
  EXPECT_EQ(d.message(), texts::kFindEmpty);
  EXPECT_TRUE(d.dialog.entries(kAfter).empty());
  EXPECT_FALSE(d.can_rename());

  d.dialog.type(kFind, "A");
  EXPECT_EQ(d.preview(), (Preview{{"Alba.txt", "xlba"}, {"Sole.txt", "Sole"}}));
  d.dialog.type(kFind, "");
  EXPECT_EQ(d.message(), texts::kFindEmpty);
  EXPECT_TRUE(d.dialog.entries(kAfter).empty());
  EXPECT_FALSE(d.can_rename());

  // A change of "Sostituisci con" with Trova empty leaves the message line alone.
  d.dialog.set_text(kMessage, "earlier");
  d.dialog.type(kReplacement, "y");
  EXPECT_EQ(d.message(), "earlier");
  EXPECT_TRUE(d.dialog.entries(kAfter).empty());
  EXPECT_FALSE(d.can_rename());
}

TEST(FindReplaceDialog, ForbiddenCharacterInEitherFieldRefusesAndKeepsThePreview) {
  struct Case {
    ControlId typed_last;
    std::string find;
    std::string replacement;
  };
  const Case cases[] = {
      {kFind, "Al:", "x"},
      {kFind, "A|", ""},
      {kReplacement, "A", "b*"},
      {kReplacement, "A", "<"},
      {kFind, "l", "\\"},
      {kReplacement, ">", "x"},
      {kFind, "A", std::string(200, 'x') + "/"},
      {kReplacement, std::string(200, 'x') + "?", "y"},
  };
  for (const Case& c : cases) {
    FindReplaceDialog d({"Alba.txt", "Sole.txt"});
    d.dialog.type(kFind, "o");
    const ControlId other = c.typed_last == kFind ? kReplacement : kFind;
    d.dialog.type(other, other == kFind ? c.find : c.replacement);
    const Preview shown = d.preview();
    d.dialog.type(c.typed_last, c.typed_last == kFind ? c.find : c.replacement);
    EXPECT_EQ(d.message(), texts::kForbiddenChars) << c.find << " / " << c.replacement;
    EXPECT_FALSE(d.can_rename()) << c.find << " / " << c.replacement;
    EXPECT_EQ(d.preview(), shown) << c.find << " / " << c.replacement;
  }
}

TEST(FindReplaceDialog, ForbiddenCharacterLeftInTheOtherFieldStillRefuses) {
  FindReplaceDialog d({"Alba.txt", "Sole.txt"});
  d.dialog.type(kFind, "A");
  d.dialog.type(kReplacement, "a:");
  d.dialog.type(kFind, "S");
  EXPECT_EQ(d.message(), texts::kForbiddenChars);
  EXPECT_FALSE(d.can_rename());
  EXPECT_FALSE(d.dialog.press(kRename));

  d.dialog.type(kReplacement, "");  // an empty replacement is never refused
  EXPECT_EQ(d.message(), "");
  EXPECT_EQ(d.preview(), (Preview{{"Alba.txt", "Alba"}, {"Sole.txt", "ole"}}));
  EXPECT_TRUE(d.can_rename());

  d.dialog.type(kFind, "S*");
  d.dialog.type(kReplacement, "T");
  EXPECT_EQ(d.message(), texts::kForbiddenChars);
  EXPECT_FALSE(d.can_rename());
}

TEST(FindReplaceDialog, ClashDisablesRinominaWithoutAMessage) {
  FindReplaceDialog d({"Rosso.txt", "Verde.txt"});
  d.dialog.type(kReplacement, "Rosso");
  d.dialog.type(kFind, "Verde");
  EXPECT_EQ(d.preview(), (Preview{{"Rosso.txt", "Rosso"}, {"Verde.txt", "Rosso"}}));
  EXPECT_EQ(d.message(), "");
  EXPECT_FALSE(d.can_rename());
  EXPECT_TRUE(d.dialog.message_boxes().empty());
}

TEST(FindReplaceDialog, EmptyNewStemClashesWithAFileWithoutStem) {
  FindReplaceDialog d({"abc.txt", ".profile"});
  d.dialog.type(kFind, "abc");
  EXPECT_EQ(d.preview(), (Preview{{"abc.txt", ""}, {".profile", ""}}));
  EXPECT_FALSE(d.can_rename());
}

TEST(FindReplaceDialog, ClashAfterAChangeOfTheReplacementKeepsAnEarlierRefusal) {
  FindReplaceDialog d({"Rosso.txt", "Verde.txt"});
  d.dialog.type(kFind, "Verde");
  d.dialog.type(kReplacement, "Ro:");
  ASSERT_EQ(d.message(), texts::kForbiddenChars);
  d.dialog.type(kReplacement, "Rosso");
  EXPECT_EQ(d.preview(), (Preview{{"Rosso.txt", "Rosso"}, {"Verde.txt", "Rosso"}}));
  EXPECT_EQ(d.message(), texts::kForbiddenChars);
  EXPECT_FALSE(d.can_rename());

  // A change of Trova empties the message line before its check.
  d.dialog.type(kFind, "Verd");
  d.dialog.type(kFind, "Verde");
  EXPECT_EQ(d.message(), "");
  EXPECT_FALSE(d.can_rename());
}

TEST(FindReplaceDialog, PathLengthCheckAtTheBoundary) {
  FindReplaceDialog d({"a.txt", "b.txt"});
  // Directory, separator, stem, ".txt" and the terminating zero fill exactly 260 bytes.
  const std::size_t longest_stem = 260 - d.directory_length() - 1 - 4 - 1;
  ASSERT_LT(longest_stem, 259u);
  d.dialog.type(kFind, "a");
  d.dialog.type(kReplacement, std::string(longest_stem + 1, 'n'));
  ASSERT_EQ(d.dialog.message_boxes().size(), 1u);
  EXPECT_EQ(d.dialog.message_boxes()[0].text, texts::kPathTooLong);
  EXPECT_EQ(d.dialog.message_boxes()[0].caption, texts::kPathTooLongCaption);
  EXPECT_FALSE(d.can_rename());

  const auto before = d.folder.contents();
  const std::string long_stem(longest_stem, 'n');
  d.dialog.type(kReplacement, long_stem);
  EXPECT_EQ(d.dialog.message_boxes().size(), 1u);
  EXPECT_EQ(d.message(), "");
  ASSERT_TRUE(d.dialog.press(kRename));
  EXPECT_EQ(d.folder.contents(),
            (std::map<std::string, std::string>{{long_stem + ".txt", before.at("a.txt")},
                                                {"b.txt", before.at("b.txt")}}));
}

TEST(FindReplaceDialog, StemsLongerThanAPathAreHeldWholeAndRefused) {
  FindReplaceDialog d({"aaaa.txt", "b.txt"});
  d.dialog.type(kFind, "a");
  d.dialog.type(kReplacement, std::string(100, 'z'));
  EXPECT_EQ(d.preview(), (Preview{{"aaaa.txt", std::string(400, 'z')}, {"b.txt", "b"}}));
  EXPECT_EQ(d.dialog.message_boxes().size(), 1u);
  EXPECT_FALSE(d.can_rename());
  // The message box comes again at every change that still gives such a name.
  d.dialog.type(kReplacement, std::string(99, 'z'));
  EXPECT_EQ(d.dialog.message_boxes().size(), 2u);
}

TEST(FindReplaceDialog, RinominaRenamesOnDiskKeepingEveryFileAndExtension) {
  FindReplaceDialog d({"Foto 12 12.jpg", "12.png", "abc.txt", "x.tar.gz", "n12.exe"});
  const auto before = d.folder.contents();
  d.dialog.type(kFind, "12");  // empty replacement: every occurrence deleted
  EXPECT_EQ(d.preview(), (Preview{{"Foto 12 12.jpg", "Foto  "},
                                  {"12.png", ""},
                                  {"abc.txt", "abc"},
                                  {"x.tar.gz", "x.tar"}}));
  ASSERT_TRUE(d.dialog.press(kRename));
  EXPECT_EQ(d.dialog.end_result(), 0);
  EXPECT_EQ(d.folder.contents(),
            (std::map<std::string, std::string>{{"Foto  .jpg", before.at("Foto 12 12.jpg")},
                                                {".png", before.at("12.png")},
                                                {"abc.txt", before.at("abc.txt")},
                                                {"x.tar.gz", before.at("x.tar.gz")},
                                                {"n12.exe", before.at("n12.exe")}}));
}

TEST(FindReplaceDialog, AnnullaEscAndEnterRenameNothing) {
  for (const ControlId command : {kCancel, ControlId{kCommandCancel}}) {
    FindReplaceDialog d({"Alba.txt", "Sole.txt"});
    const auto before = d.folder.contents();
    d.dialog.type(kFind, "A");
    d.dialog.type(kReplacement, "B");
    ASSERT_TRUE(d.can_rename());
    d.dialog.send_command(kCommandOk);  // Enter reaches the default button "Annulla"
    EXPECT_FALSE(d.dialog.end_result().has_value());
    d.dialog.send_command(command);
    EXPECT_EQ(d.dialog.end_result(), 0);
    EXPECT_EQ(d.folder.contents(), before);
  }
}

TEST(FindReplaceDialog, IgnoresNotificationsOtherThanAChangeOfAField) {
  FindReplaceDialog d({"Alba.txt", "Sole.txt"});
  d.dialog.type(kFind, "A");
  const Preview shown = d.preview();
  d.dialog.send_command(kFind, 0x100);  // focus
  d.dialog.send_command(kBefore, 1);    // selection
  d.dialog.send_command(kMessage);
  EXPECT_EQ(d.preview(), shown);
  EXPECT_TRUE(d.can_rename());
  EXPECT_FALSE(d.dialog.end_result().has_value());
}

}  // namespace
}  // namespace veltrano
