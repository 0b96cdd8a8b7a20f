// The byte-level rules as tables: transforms, numbers, the listing rule and the name checks.
#include <gtest/gtest.h>

#include <climits>

#include "app/command_line.h"
#include "engine/batch_rename.h"
#include "engine/file_name.h"
#include "engine/windows_names.h"
#include "operations/case_transforms.h"
#include "operations/digit_runs.h"
#include "operations/find_replace.h"
#include "operations/renumber.h"
#include "tests/unit/folder_double.h"

namespace veltrano::testing {
namespace {

using Names = std::vector<std::string>;

TEST(CaseTransforms, RewriteStemsByteForByte) {
  const struct {
    void (*transform)(std::string&);
    std::string before, after;
  } cases[] = {
      {underscores_to_spaces, "il_mio__file-2", "il mio  file-2"},
      {spaces_to_underscores, "a b\tc\nd\re\vf\fg-h\xA0", "a_b_c_d_e_f_g-h\xA0"},
      {to_upper_case, "azAZ@[`{ \xE0\xFF", "AZAZ@[`{ \xE0\xFF"},
      {to_lower_case, "AZaz@[`{ \xC0\xDE", "azaz@[`{ \xC0\xDE"},
      {to_normal_text, "01 - LA MIA_CANZONE", "01 - La mia_canzone"},
      {to_normal_text, "\xE0 ZETA", "\xE0 Zeta"},
      {to_normal_text, "zETA", "Zeta"},
      {to_title_case, "il mio_FILE rock-and-roll", "Il Mio_File Rock-and-roll"},
      {to_title_case, "zz  zz_\xE8ra l'amore.x\ty", "Zz  Zz_\xE8Ra L'amore.x\ty"},
  };
  for (const auto& c : cases) {
    std::string stem = c.before;
    c.transform(stem);
    EXPECT_EQ(stem, c.after) << c.before;
  }
}

TEST(ReplaceAll, LeftToRightWithoutOverlapNorSearchingInsertedText) {
  const struct {
    std::string text, find, replacement, expected;
  } cases[] = {
      {"Canzone_01", "Canzone", "Brano", "Brano_01"},
      {"Canzone_01", "canzone", "B", "Canzone_01"},
      {"Foto 12 12", "12", "", "Foto  "},
      {"aaa", "aa", "b", "ba"},
      {"xax", "x", "xax", "xaxaxax"},
      {"abc", "abcd", "z", "abc"},
      {"CITT\xC0", "\xE0", "a", "CITT\xC0"},
      {"abc", "", "z", "abc"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(replace_all(c.text, c.find, c.replacement), c.expected) << c.text << '/' << c.find;
  }
}

TEST(DecimalValue, ReadsAsAtoiButSaturates) {
  const std::pair<const char*, int> cases[] = {
      {"", 0},
      {"abc", 0},
      {"0042", 42},
      {" \t7x", 7},
      {"-5", -5},
      {"+3", 3},
      {"- 3", 0},
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"4294967299", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-99999999999", INT_MIN},
  };
  for (const auto& [text, value] : cases) {
    EXPECT_EQ(decimal_value(text), value) << text;
  }
}

TEST(Listing, SplitsListableFilesAtTheLastDot) {
  const struct {
    std::string name;
    bool is_directory;
    std::optional<std::pair<std::string, std::string>> split;
  } cases[] = {
      {"archive.tar.gz", false, {{"archive.tar", ".gz"}}},
      {".profile", false, {{"", ".profile"}}},
      {"trailing.", false, {{"trailing", "."}}},
      {"main.cc", false, {{"main", ".cc"}}},
      {"x.zipx", false, {{"x", ".zipx"}}},
      {"README", false, {}},
      {"..", true, {}},
      {"dir.jpg", true, {}},
  };
  for (const auto& c : cases) {
    const auto split = split_listable({c.name, c.is_directory});
    EXPECT_EQ(split.has_value(), c.split.has_value()) << c.name;
    if (split && c.split) {
      EXPECT_EQ(std::pair(std::string(split->stem), std::string(split->extension)), *c.split);
    }
  }
  for (const char* excluded :
       {".c", ".H", ".rc", ".Exe", ".db", ".obj", ".dep", ".err", ".res", ".prj", ".ZIP"}) {
    EXPECT_EQ(extension_allowed(excluded), 0) << excluded;
  }
  for (const char* allowed : {".cc", ".ch", ".", ".jpg", ".exe2", ".\xC8XE"}) {
    EXPECT_EQ(extension_allowed(allowed), 1) << allowed;
  }
}

TEST(WindowsNames, ExactNamesAndDeviceNames) {
  const std::pair<std::string, bool> exact[] = {
      {"foto.jpg", true},     {".profile", true},    {" lead.txt", true},   {"console.txt", true},
      {"notes.", false},      {"notes.txt ", false}, {"a\\b.txt", false},   {"a/b.txt", false},
      {"c:d.txt", false},     {"a*?.txt", false},    {"a\"<>|.txt", false}, {"tab\t.txt", false},
      {"Com1.tar.gz", false}, {"", false},
  };
  for (const auto& [name, is_exact] : exact) {
    EXPECT_EQ(is_exact_name(name), is_exact) << name;
  }
  const std::pair<std::string, bool> devices[] = {
      {"con", true},  {"PRN.txt", true}, {"aux", true},   {"Nul.tar.gz", true}, {"COM1", true},
      {"lpt9", true}, {"com\xB9", true}, {"con  ", true}, {"cons", false},      {"com0", false},
      {"lpt", false}, {"xcon", false},   {"com10", false}};
  for (const auto& [name, is_device] : devices) {
    EXPECT_EQ(is_device_name(name), is_device) << name;
  }
}

TEST(FindNameProblem, RefusesNewNamesThatCannotAllBeApplied) {
  const auto kNone = NameProblem::kNone, kClash = NameProblem::kClash,
             kLong = NameProblem::kPathTooLong;
  // A directory of 8 bytes, a separator, the name and the terminating zero: 260 bytes at most.
  const std::string fits(246, 'x'), one_more(247, 'x'), fits6(244, 'x');
  const struct {
    Names before, extensions, after;
    NameProblem problem;
    Names others = {};  // the names of the entries that are not listed
  } cases[] = {
      {{"a", "b"}, {".txt", ".txt"}, {"a", "b"}, kNone},
      {{"a", "b"}, {".txt", ".txt"}, {fits, "b"}, kNone},
      {{"a", "b"}, {".txt", ".txt"}, {"a", one_more}, kLong},
      {{"a", "b"}, {".t", ".jpeg"}, {"a", fits}, kLong},  // each file with its own extension
      {{"a", "b"}, {".jpeg", ".t"}, {fits, "b"}, kLong},
      {{"a", "b"}, {".jpeg", ".t"}, {fits6, one_more}, kNone},
      {{"b", "a"}, {".txt", ".jpg"}, {"a", "a"}, kClash},  // another file's present stem
      {{"f1", "F2"}, {".jpg", ".JPG"}, {"f2", "F2"}, kClash},
      {{"a", "\xC0"}, {".txt", ".txt"}, {"\xE0", "\xC0"}, kClash},
      {{"1", "2"}, {".txt", ".txt"}, {"2", "3"}, kClash},
      {{"x", "y"}, {".mp3", ".MP3"}, {"Alba", "alba"}, kClash},  // one name for two files
      {{"x", "y"}, {".txt", ".jpg"}, {"z", "z"}, kNone},
      {{"report", "b"}, {".txt", ".txt"}, {"REPORT", "b"}, kNone},
      {{"A", "a"}, {".jpg", ".jpg"}, {"a", "a"}, kClash},
      {{"a", "a"}, {".txt", ".jpg"}, {"b", "c"}, kNone},
      {{"x", "y"}, {".txt", ".txt"}, {"z", "y"}, kClash, {"Z.TXT"}},
      {{"x", "y"}, {".txt", ".txt"}, {"z", "y"}, kNone, {"Z"}},
      {{"x", "y"}, {".txt", ".txt"}, {"com1", "y"}, kClash},
      {{"con", "y"}, {".txt", ".txt"}, {"con", "z"}, kNone},
      {{"a", "b"}, {".txt", ".txt"}, {"c"}, NameProblem::kNothingToApply},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(find_name_problem(8, c.before, c.extensions, c.after, c.others), c.problem)
        << ::testing::PrintToString(c.before) << " -> " << ::testing::PrintToString(c.after);
  }
}

TEST(DigitRuns, FirstRunPositionsAndTheirAnalysis) {
  const struct {
    const char* stem;
    int first, last;
  } positions[] = {{"foto 03 mare", 5, 6}, {"cd2 track05", 2, 2}, {"2019", 0, 3},
                   {"a/:9", 3, 3},         {"\xB2\xB3 5", 3, 3},  {"", -1, -1}};
  for (const auto& p : positions) {
    EXPECT_EQ(first_digit_position(p.stem), p.first) << p.stem;
    EXPECT_EQ(last_digit_position(p.stem), p.last) << p.stem;
  }
  const std::pair<Names, DigitAnalysis> folders[] = {
      {{"f 03 m.jpg", "f 12 m.jpg", "mare.jpg", "d1.x/", "f1.exe"}, SAME_POSITION},
      {{"f 3 m.jpg", "f 12 m.jpg"}, POSITION_DIFFERS},
      {{"ab12.txt", "abc2.txt"}, POSITION_DIFFERS},
      {{"a1.txt", "b2.txt", "c33.txt"}, POSITION_DIFFERS},
      {{"mare.mp3", "sole.mp3"}, NO_DIGITS},
  };
  for (const auto& [files, analysis] : folders) {
    const NumberedFiles numbered = gather_numbered_files(FolderDouble(files));
    EXPECT_EQ(analyse_digit_positions(numbered), analysis) << files[0];
  }
}

TEST(Renumbering, WritesTheNumberWithLeadingZeros) {
  const std::pair<long long, int> widths[] = {
      {1, 1}, {9, 1}, {10, 2}, {9'999'999, 7}, {10'000'000, -1}, {0, -1}, {LLONG_MIN, -1}};
  for (const auto& [value, width] : widths) {
    EXPECT_EQ(decimal_width(value), width) << value;
  }
  const struct {
    const char* stem;
    long long number;
    int digit_count;
    const char* expected;
  } stems[] = {{"foto 03 mare", 1, 3, "foto 001"},
               {"cd2 track05", 12, 1, "cd12"},
               {"x5", 5, 8, "x00000005"},
               {"x5", 5, 9, "x5"},
               {"x5", 5, 0, "x5"},
               {"IMG_0417", 9'999, 5, "IMG_09999"}};
  for (const auto& s : stems) {
    EXPECT_EQ(make_renumbered_stem(s.stem, s.number, s.digit_count), s.expected) << s.stem;
  }
}

TEST(CommandLineTail, SkipsTheProgramPathAndTheBlanksAfterIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"\"C:\\a b\\v.exe\" uno due", "uno due"},
      {"\"C:\\a b\\v.exe\"x", "x"},
      {"\"C:\\a b\\v.exe uno", "\"C:\\a b\\v.exe uno"},
      {"v.exe   uno  ", "uno  "},
      {"v.exe", ""},
      {"v.exe\tuno", ""}};
  for (const auto& [line, tail] : cases) {
    EXPECT_EQ(command_line_tail(line), tail) << line;
  }
}

}  // namespace
}  // namespace veltrano::testing
