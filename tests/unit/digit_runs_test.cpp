#include "operations/digit_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <compare>
#include <string>
#include <utility>
#include <vector>

#include "engine/listing.h"
#include "platform/posix/posix_folder.h"
#include "resources/resource_ids.h"
#include "tests/unit/memory_dialog.h"
#include "tests/unit/temp_folder.h"

namespace veltrano {
namespace {

using testing::MemoryDialog;
using testing::TempFolder;

TEST(DigitPositions, FirstRunOfTheStemOnly) {
  struct Case {
    const char* stem;
    int first;
    int last;
  };
  const Case cases[] = {
      {"foto 03 mare", 5, 6},
      {"foto 3 mare", 5, 5},
      {"cd2 track05", 2, 2},
      {"2019 foto", 0, 3},
      {"7", 0, 0},
      {"IMG_0001", 4, 7},
      // The run reaches the end of the stem.
      {"foto12", 4, 5},
      // Accented bytes are counted as bytes, never as digits.
      {"citt\xE0 1", 6, 6},
      // The bytes just below and above '0' to '9'.
      {"a/:9", 3, 3},
      // The superscript digits of the ANSI code page are not digits.
      {"\xB2\xB3\xB9 5", 4, 4},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(first_digit_position(c.stem), c.first) << c.stem;
    EXPECT_EQ(last_digit_position(c.stem), c.last) << c.stem;
  }
  for (const char* stem : {"", "mare", "citt\xE0", "/:"}) {
    EXPECT_EQ(first_digit_position(stem), -1) << stem;
  }
}

// One listed file as the four hidden lists describe it.
struct Listed {
  std::string stem;
  std::string extension;
  int first;
  int last;
  auto operator<=>(const Listed&) const = default;
};

struct ListingCase {
  const char* what;
  std::vector<std::string> files;
  std::vector<std::string> directories;
  std::vector<Listed> expected;  // in any order
  DigitAnalysis outcome;
};

class ListNumberedFiles : public ::testing::Test {
 protected:
  static void check(const ListingCase& c) {
    SCOPED_TRACE(c.what);
    TempFolder folder(c.files);
    for (const std::string& directory : c.directories) {
      folder.add_directory(directory);
    }
    PosixFolder posix;
    MemoryDialog dialog(nullptr, posix);
    const int count = list_numbered_files(dialog, posix);
    EXPECT_TRUE(dialog.all_lists_redrawn());

    const auto stems = dialog.entries(IDC_REN_NUMBERED_STEMS);
    const auto extensions = dialog.entries(IDC_REN_EXTENSIONS);
    const auto firsts = dialog.entries(IDC_REN_FIRST_POSITIONS);
    const auto lasts = dialog.entries(IDC_REN_LAST_POSITIONS);
    ASSERT_EQ(count, static_cast<int>(stems.size()));
    ASSERT_EQ(extensions.size(), stems.size());
    ASSERT_EQ(firsts.size(), stems.size());
    ASSERT_EQ(lasts.size(), stems.size());

    std::vector<Listed> listed;
    for (std::size_t i = 0; i < stems.size(); ++i) {
      listed.push_back({stems[i], extensions[i], std::stoi(firsts[i]), std::stoi(lasts[i])});
    }
    std::vector<Listed> expected = c.expected;
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);

    // The lists follow the folder's enumeration order.
    std::vector<std::string> enumerated;
    for_each_listable_file(posix, [&](const StemAndExtension& file) {
      if (first_digit_position(file.stem) >= 0) {
        enumerated.push_back(std::string(file.stem) + std::string(file.extension));
      }
    });
    std::vector<std::string> names;
    for (std::size_t i = 0; i < stems.size(); ++i) {
      names.push_back(stems[i] + extensions[i]);
    }
    EXPECT_EQ(names, enumerated);

    EXPECT_EQ(analyse_digit_positions(dialog), c.outcome);
  }
};

TEST_F(ListNumberedFiles, ListsStemsWithADigitAndComparesTheirPositions) {
  const ListingCase cases[] = {
      {"same run",
       {"foto 03 mare.jpg", "foto 12 mare.jpg"},
       {},
       {{"foto 03 mare", ".jpg", 5, 6}, {"foto 12 mare", ".jpg", 5, 6}},
       SAME_POSITION},
      {"same start, other end",
       {"foto 3 mare.jpg", "foto 12 mare.jpg"},
       {},
       {{"foto 3 mare", ".jpg", 5, 5}, {"foto 12 mare", ".jpg", 5, 6}},
       POSITION_DIFFERS},
      {"same end, other start",
       {"ab12.txt", "abc2.txt"},
       {},
       {{"ab12", ".txt", 2, 3}, {"abc2", ".txt", 3, 3}},
       POSITION_DIFFERS},
      {"letters around the number play no part",
       {"a1b.txt", "x7y.txt"},
       {},
       {{"a1b", ".txt", 1, 1}, {"x7y", ".txt", 1, 1}},
       SAME_POSITION},
      {"number first and number last",
       {"2019 foto.jpg", "foto 2019.jpg"},
       {},
       {{"2019 foto", ".jpg", 0, 3}, {"foto 2019", ".jpg", 5, 8}},
       POSITION_DIFFERS},
      {"later runs ignored",
       {"cd2 track05.mp3", "cd7 track1.mp3"},
       {},
       {{"cd2 track05", ".mp3", 2, 2}, {"cd7 track1", ".mp3", 2, 2}},
       SAME_POSITION},
      {"one of three differs",
       {"a1.txt", "b2.txt", "c33.txt"},
       {},
       {{"a1", ".txt", 1, 1}, {"b2", ".txt", 1, 1}, {"c33", ".txt", 1, 2}},
       POSITION_DIFFERS},
      {"accented byte before the number",
       {"citt\xE0 1.jpg", "abcde 2.jpg"},
       {},
       {{"citt\xE0 1", ".jpg", 6, 6}, {"abcde 2", ".jpg", 6, 6}},
       SAME_POSITION},
      {"one stem with a digit",
       {"foto12.jpg", "mare.jpg"},
       {},
       {{"foto12", ".jpg", 4, 5}},
       SAME_POSITION},
      {"digits only in the extension", {"mare.mp3", "sole.png"}, {}, {}, NO_DIGITS},
      {"no files", {}, {}, {}, NO_DIGITS},
      {"not listable",
       {"prog1.exe", "lib2.OBJ", "x9.Zip", "123", ".123", "foto5.JPG"},
       {"dir1.bak"},
       {{"foto5", ".JPG", 4, 4}},
       SAME_POSITION},
      {"one stem, two extensions",
       {"foto 01.jpg", "foto 01.txt"},
       {},
       {{"foto 01", ".jpg", 5, 6}, {"foto 01", ".txt", 5, 6}},
       SAME_POSITION},
  };
  for (const ListingCase& c : cases) {
    check(c);
  }
}

}  // namespace
}  // namespace veltrano
