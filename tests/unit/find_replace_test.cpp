#include "operations/find_replace.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using namespace testing;

constexpr ControlId kFind = BASE_FIND_REPLACE + OFFSET_INPUT, kReplacement = IDC_FR_REPLACEMENT,
                    kMessage = IDC_FR_MESSAGE;

std::string repeated(const std::string& text, int times) {
  std::string result;
  for (int i = 0; i < times; ++i) {
    result += text;
  }
  return result;
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutOverlapOrSearchingInsertedText) {
  const struct {
    std::string text, find, replacement, expected;
  } cases[] = {
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
      {std::string(200, 'a'), "a", "bcd", repeated("bcd", 200)},  // beyond any path buffer
  };
  for (const auto& c : cases) {
    EXPECT_EQ(replace_all(c.text, c.find, c.replacement), c.expected)
        << c.text << " / " << c.find << " / " << c.replacement;
  }
}

struct FindReplaceDialog : OpenDialog {
  explicit FindReplaceDialog(const Names& files)
      : OpenDialog(find_replace_dialog_proc, frame_ids(BASE_FIND_REPLACE, kMessage), files,
                   {kFind, kReplacement}) {}
};

TEST(FindReplaceDialog, FollowsBothFieldsAtEveryChange) {
  FindReplaceDialog d({"Alba.txt", "Sole.txt", "skip.exe"});
  EXPECT_EQ(d.message(), texts::kFindEmpty);
  EXPECT_EQ(d.before().size(), 2u);
  EXPECT_TRUE(d.after().empty());
  EXPECT_FALSE(d.can_rename());
  EXPECT_EQ(d.dialog.focused(), kFind);

  const auto shows = [](const std::string& alba, const std::string& sole) {
    return Preview{{"Alba.txt", alba}, {"Sole.txt", sole}};
  };
  const std::string forbidden = texts::kForbiddenChars;
  d.run({
      // Typing in "Sostituisci con" while "Trova" is empty.
      {kReplacement, "x", Preview{}, texts::kFindEmpty, false},
      {kFind, "A", shows("xlba", "Sole"), "", true},
      {kFind, "a", shows("Albx", "Sole"), "", true},  // case-sensitive
      {kFind, "", Preview{}, texts::kFindEmpty, false},
      // A change of "Sostituisci con" with "Trova" empty leaves the message line alone.
      {kMessage, "earlier", Preview{}, "earlier", false},
      {kReplacement, "y", Preview{}, "earlier", false},
      {kFind, "S", shows("Alba", "yole"), "", true},
      {kReplacement, "a:", std::nullopt, forbidden, false},
      // A forbidden character left in the other field still refuses.
      {kFind, "A", std::nullopt, forbidden, false},
      {kReplacement, "", shows("lba", "Sole"), "", true},  // an empty replacement is allowed
      {kFind, "S*", std::nullopt, forbidden, false},
      {kReplacement, "T", std::nullopt, forbidden, false},
      {kFind, "Sole", shows("Alba", "T"), "", true},
      {kReplacement, std::string(200, 'x') + "<", std::nullopt, forbidden, false},
      // A clash keeps the refusal that a change of "Sostituisci con" left in the line...
      {kReplacement, "Alba", shows("Alba", "Alba"), forbidden, false},
      {kFind, std::string(200, 'x') + "?", std::nullopt, forbidden, false},
      // ...while a change of "Trova" empties the line before its check.
      {kFind, "Sole", shows("Alba", "Alba"), "", false},
      {kFind, "|", std::nullopt, forbidden, false},
      {kReplacement, ">", std::nullopt, forbidden, false},
      {kFind, "l", std::nullopt, forbidden, false},
      {kReplacement, "\\", std::nullopt, forbidden, false},
      {kReplacement, "/", std::nullopt, forbidden, false},
  });
}

TEST(FindReplaceDialog, EmptyNewStemClashesWithAFileWithoutStem) {
  FindReplaceDialog d({"abc.txt", ".profile"});
  d.run({{kFind, "abc", Preview{{"abc.txt", ""}, {".profile", ""}}, "", false}});
}

TEST(FindReplaceDialog, PathOf260BytesIsRenamedAnd261Refused) {
  FindReplaceDialog d({"a.txt", "b.txt"});
  const std::string longest(d.longest_stem(), 'n');
  d.dialog.type(kFind, "a");
  d.dialog.type(kReplacement, longest + "n");
  d.expect_one_path_box();
  EXPECT_FALSE(d.can_rename());
  d.run({{kReplacement, longest, Preview{{"a.txt", longest}, {"b.txt", "b"}}, "", true, 1}});
  d.expect_rinomina_renames_by_preview();
}

TEST(FindReplaceDialog, StemsLongerThanAPathAreHeldWholeAndRefusedAtEveryChange) {
  FindReplaceDialog d({"aaaa.txt", "b.txt"});
  d.dialog.type(kFind, "a");
  d.run({{kReplacement, std::string(100, 'z'),
          Preview{{"aaaa.txt", std::string(400, 'z')}, {"b.txt", "b"}}, "", false, 1},
         {kReplacement, std::string(99, 'z'),
          Preview{{"aaaa.txt", std::string(396, 'z')}, {"b.txt", "b"}}, "", false, 2}});
}

TEST(FindReplaceDialog, RinominaRenamesOnDiskKeepingEveryFileAndExtension) {
  FindReplaceDialog d({"Foto 12 12.jpg", "12.png", "abc.txt", "x.tar.gz", "n12.exe"});
  d.dialog.type(kFind, "12");  // empty replacement: every occurrence deleted
  EXPECT_EQ(d.preview(), (Preview{{"Foto 12 12.jpg", "Foto  "},
                                  {"12.png", ""},
                                  {"abc.txt", "abc"},
                                  {"x.tar.gz", "x.tar"}}));
  d.expect_rinomina_renames_by_preview();
  EXPECT_EQ(d.folder.contents().count(".png"), 1u);
  EXPECT_EQ(d.folder.contents().count("n12.exe"), 1u);
}

}  // namespace
}  // namespace veltrano
