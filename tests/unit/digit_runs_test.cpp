#include "operations/digit_runs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using namespace testing;

TEST(DigitPositions, FirstRunOfTheStemOnly) {
  const struct {
    const char* stem;
    int first, last;
  } cases[] = {
      {"foto 03 mare", 5, 6},
      {"foto 3 mare", 5, 5},
      {"cd2 track05", 2, 2},
      {"2019 foto", 0, 3},
      {"7", 0, 0},
      {"IMG_0001", 4, 7},
      {"foto12", 4, 5},          // run at the end
      {"citt\xE0 1", 6, 6},      // an accented byte is a byte, never a digit
      {"a/:9", 3, 3},            // the bytes just below and above '0' to '9'
      {"\xB2\xB3\xB9 5", 4, 4},  // the code page's superscript digits are no digits
      {"", -1, -1},
      {"mare", -1, -1},
      {"citt\xE0", -1, -1},
      {"/:", -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(first_digit_position(c.stem), c.first) << c.stem;
    if (c.first >= 0) {
      EXPECT_EQ(last_digit_position(c.stem), c.last) << c.stem;
    }
  }
}

// A listed file's name with the positions of the first run of digits in its stem.
using Listed = std::tuple<std::string, int, int>;

TEST(ListNumberedFiles, ListsStemsWithADigitInEnumerationOrderAndComparesTheirPositions) {
  const struct {
    std::vector<Listed> listed;  // in any order
    std::vector<std::string> unlisted;
    DigitAnalysis outcome;
  } cases[] = {
      {{{"foto 03 mare.jpg", 5, 6}, {"foto 12 mare.jpg", 5, 6}}, {}, SAME_POSITION},
      {{{"foto 3 mare.jpg", 5, 5}, {"foto 12 mare.jpg", 5, 6}}, {}, POSITION_DIFFERS},
      {{{"ab12.txt", 2, 3}, {"abc2.txt", 3, 3}}, {}, POSITION_DIFFERS},
      {{{"a1b.txt", 1, 1}, {"x7y.txt", 1, 1}}, {}, SAME_POSITION},
      {{{"2019 foto.jpg", 0, 3}, {"foto 2019.jpg", 5, 8}}, {}, POSITION_DIFFERS},
      // Later runs play no part.
      {{{"cd2 track05.mp3", 2, 2}, {"cd7 track1.mp3", 2, 2}}, {}, SAME_POSITION},
      {{{"a1.txt", 1, 1}, {"b2.txt", 1, 1}, {"c33.txt", 1, 2}}, {}, POSITION_DIFFERS},
      {{{"citt\xE0 1.jpg", 6, 6}, {"abcde 2.jpg", 6, 6}}, {}, SAME_POSITION},
      {{{"foto12.jpg", 4, 5}}, {"mare.jpg"}, SAME_POSITION},
      {{}, {"mare.mp3", "sole.png"}, NO_DIGITS},  // digits only in the extension
      {{}, {}, NO_DIGITS},
      {{{"foto5.JPG", 4, 4}}, {"prog1.exe", "lib2.OBJ", "x9.Zip", "123", ".123"}, SAME_POSITION},
      {{{"foto 01.jpg", 5, 6}, {"foto 01.txt", 5, 6}}, {}, SAME_POSITION},
  };
  for (const auto& c : cases) {
    std::vector<std::string> files = c.unlisted;
    for (const auto& [name, first, last] : c.listed) {
      files.push_back(name);
    }
    SCOPED_TRACE(::testing::PrintToString(files));
    TempFolder folder(files);
    folder.add_directory("dir1.bak");
    PosixFolder posix;
    MemoryDialog dialog(nullptr, posix);
    const NumberedFiles numbered = gather_numbered_files(posix);
    const int count = list_numbered_files(dialog, numbered);
    EXPECT_TRUE(dialog.all_lists_redrawn());

    const auto stems = dialog.entries(IDC_REN_NUMBERED_STEMS);
    const auto extensions = dialog.entries(IDC_REN_EXTENSIONS);
    const auto firsts = dialog.entries(IDC_REN_FIRST_POSITIONS);
    const auto lasts = dialog.entries(IDC_REN_LAST_POSITIONS);
    ASSERT_EQ(count, static_cast<int>(stems.size()));
    std::vector<Listed> listed;
    std::vector<std::string> names;
    for (std::size_t i = 0; i < stems.size(); ++i) {
      names.push_back(stems[i] + extensions.at(i));
      EXPECT_EQ(extensions[i], names[i].substr(names[i].rfind('.')));  // cut at the last dot
      listed.emplace_back(names[i], std::stoi(firsts.at(i)), std::stoi(lasts.at(i)));
    }
    std::vector<Listed> expected = c.listed;
    std::sort(listed.begin(), listed.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);

    std::vector<std::string> enumerated;
    const auto [all_stems, all_extensions] = listable_files(posix);
    for (std::size_t i = 0; i < all_stems.size(); ++i) {
      if (first_digit_position(all_stems[i]) >= 0) {
        enumerated.push_back(all_stems[i] + all_extensions[i]);
      }
    }
    EXPECT_EQ(names, enumerated);
    EXPECT_EQ(analyse_digit_positions(numbered), c.outcome);
  }
}

}  // namespace
}  // namespace veltrano
