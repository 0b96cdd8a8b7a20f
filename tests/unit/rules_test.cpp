// The rules on bytes and names as tables: transforms, the name checks, the rename itself and
// where renumbering finds the numbers.
#include <gtest/gtest.h>

#include "engine/batch_rename.h"
#include "engine/decimal_text.h"
#include "engine/extended_path.h"
#include "engine/rename_files.h"
#include "engine/windows_names.h"
#include "operations/case_transforms.h"
#include "operations/digit_runs.h"
#include "tests/unit/folder_double.h"

namespace veltrano::testing {
namespace {

// The stem transforms, and the count grouped in thousands that shows how far "Rinomina" is.
TEST(CaseTransforms, RewriteStemsByteForByte) {
  const auto grouped = [](std::string& count) { count = grouped_thousands(std::stoull(count)); };
  const std::tuple<void (*)(std::string&), std::string, std::string> cases[] = {
      {grouped, "999", "999"},
      {grouped, "4512", "4.512"},
      {grouped, "1234567", "1.234.567"},
      {underscores_to_spaces, "il_mio__file-2", "il mio  file-2"},
      {spaces_to_underscores, "a b\tc\nd\re\vf\fg-h\xA0\b\x0E", "a_b_c_d_e_f_g-h\xA0\b\x0E"},
      {to_upper_case, "azAZ@[`{ \xE0\xFF", "AZAZ@[`{ \xE0\xFF"},
      {to_lower_case, "AZaz@[`{ \xC0\xDE", "azaz@[`{ \xC0\xDE"},
      {to_normal_text, "01 - LA MIA_CANZONE", "01 - La mia_canzone"},
      {to_normal_text, "\xE0 zETA", "\xE0 Zeta"},
      {to_title_case, "il mio_FILE rock-and-roll", "Il Mio_File Rock-and-roll"},
      {to_title_case, "zz  zz_\xE8ra l'amore.x\ty", "Zz  Zz_\xE8Ra L'amore.x\ty"}};
  for (auto [transform, stem, expected] : cases) {
    transform(stem);
    EXPECT_EQ(stem, expected);
  }
}

// A name is exact when the path rules read it as itself: no separator, stream, wildcard or
// trailing dot or blank, and no device name before its first dot; whole or split at its last dot.
TEST(WindowsNames, ExactNames) {
  const std::pair<std::string, bool> names[] = {
      {"foto.jpg", true},     {".profile", true},    {" lead.txt", true}, {"cons.txt", true},
      {"com0.txt", true},     {"com10.txt", true},   {"lpt.txt", true},   {"xcon.txt", true},
      {"notes.", false},      {"notes.txt ", false}, {"a\\b.txt", false}, {"c:d.txt", false},
      {"a*?.txt", false},     {"", false},           {"con.txt", false},  {"PRN", false},
      {"Nul.tar.gz", false},  {"aux  .txt", false},  {"COM1.txt", false}, {"lpt9.txt", false},
      {"com\xB9.txt", false}, {"foto .jpg", true},   {"x.jp?", false}};
  for (const auto& [name, is_exact] : names) {
    EXPECT_EQ(is_exact_name(name), is_exact) << name;
    const std::size_t dot = std::min(name.rfind('.'), name.size());
    EXPECT_EQ(is_exact_name(name.substr(0, dot), name.substr(dot)), is_exact) << name;
  }
}

// A file's full path in the form that Windows takes past 260 characters, from the current
// directory as Windows gives it: a drive's root, a folder, a share, a path already extended.
TEST(ExtendedPath, FromTheCurrentDirectory) {
  const std::pair<std::wstring, std::wstring> cases[] = {
      {L"C:\\", L"\\\\?\\C:\\a b.txt"},
      {L"Z:\\tmp\\Foto", L"\\\\?\\Z:\\tmp\\Foto\\a b.txt"},
      {L"\\\\server\\share\\Foto", L"\\\\?\\UNC\\server\\share\\Foto\\a b.txt"},
      {L"\\\\server\\share\\", L"\\\\?\\UNC\\server\\share\\a b.txt"},
      {L"\\\\?\\D:\\x", L"\\\\?\\D:\\x\\a b.txt"},
      {L"\\\\.\\D:\\x", L"\\\\?\\D:\\x\\a b.txt"}};
  for (const auto& [directory, path] : cases) {
    EXPECT_EQ(extended_path(directory, L"a b.txt"), path);
  }
}

TEST(FindNameProblem, RefusesNewNamesThatCannotAllBeApplied) {
  using enum NameProblem;
  // A directory of 8 bytes, a separator, the name and the terminating zero: 260 bytes at most.
  const std::string fits(246, 'x'), one_more(247, 'x');
  const Names txt = {".txt", ".txt"};
  // Present stems, extensions, new stems, the problem, and the entries that are not listed.
  const std::tuple<Names, Names, Names, NameProblem, Names> cases[] = {
      {{"a", "b"}, txt, {fits, "b"}, kNone, {}},
      {{"a", "b"}, txt, {"a", one_more}, kPathTooLong, {}},
      {{"a", "b"}, {".t", ".jpeg"}, {"a", fits}, kPathTooLong, {}},  // each its own extension
      {{"a", "b"}, {".jpeg", ".t"}, {fits, "b"}, kPathTooLong, {}},
      {{"b", "a"}, {".txt", ".jpg"}, {"a", "a"}, kClash, {}},  // another file's present stem
      {{"f1", "F2"}, {".jpg", ".JPG"}, {"f2", "F2"}, kClash, {}},
      {{"a", "\xC0"}, txt, {"\xE0", "\xC0"}, kClash, {}},
      {{"x", "y"}, {".mp3", ".MP3"}, {"Alba", "alba"}, kClash, {}},  // one name for two files
      {{"a", "a"}, {".txt", ".TXT"}, {"A", "A"}, kClash, {}},        // case variants, both changed
      {{"ab", "AB"}, {".txt", ".TXT"}, {"Ab", "AB"}, kClash, {}},    // and one of them changed
      {{"foto 1", "Foto"}, {".jpg", ".jpg"}, {"foto", "Foto"}, kClash, {}},  // a suffix removed
      {{"x", "y"}, {".txt", ".jpg"}, {"z", "z"}, kNone, {}},
      {{"x", "y"}, txt, {"z", "y"}, kClash, {"Z.TXT"}},
      {{"x", "y"}, txt, {"z.z", "y"}, kClash, {"z.z.txt"}},  // split at its last dot
      {{"x", "y"}, txt, {"com1", "y"}, kClash, {}},
      {{"con", "y"}, txt, {"con", "z"}, kNone, {}},
      {{"a", "b"}, txt, {"c"}, kNothingToApply, {}}};
  for (const auto& [before, extensions, after, problem, others] : cases) {
    EXPECT_EQ(find_name_problem(8, before, extensions, after, others), problem)
        << ::testing::PrintToString(before) << " -> " << ::testing::PrintToString(after);
  }
}

TEST(RenameFiles, RenamesWhatChangesAndGoesOnPastAFailure) {
  using enum FolderDouble::CaseRename;
  const Names abc = {"a", "b", "c"}, xyz = {"x", "y", "z"}, exts = {".txt", ".jpg", ".txt"};
  const Names files = {"a.txt", "b.jpg", "c.txt"}, txt = {".txt", ".txt"};
  const Names case_files = {"\300b.txt", "X.txt"}, case_after = {"\340b.txt", "x.txt"};
  const Names con = {"con_.txt", "b.txt"};
  // Files, present stems, extensions, new stems, how the disk takes a change of case, the names
  // whose rename fails, the result and the count of renames asked for.
  using Row = std::tuple<Names, Names, Names, Names, FolderDouble::CaseRename, Names, Names, int>;
  // A change of case whose second step and way back fail leaves the file under its temporary
  // name: whole up to 255 characters and 255 bytes of UTF-8 (one byte for ASCII, at most three
  // for 0x80-0x9F, two from 0xA0 on), else cut to the old name's length.
  const auto stays_under = [](const std::string& stem, const std::string& temporary) {
    std::string changed = stem;
    changed[0] = 'A';
    return Row{{stem + ".txt"}, {stem}, {".txt"}, {changed}, kWine, {temporary}, {temporary}, 4};
  };
  const std::string ascii(245, 'a'), bytes_255 = std::string(239, 'a') + "\x7F\x85\xA0";
  const std::string bytes_256 = std::string(238, 'a') + "\x80\x9F\xA0";
  const Row cases[] = {
      // A change of letter case alone, accented capital included: in one step where the disk
      // makes it; where it does not, by a temporary name, at once after the first try.
      {case_files, {"\300b", "X"}, txt, {"\340b", "x"}, kWindows, {}, case_after, 2},
      {case_files, {"\300b", "X"}, txt, {"\340b", "x"}, kWine, {}, case_after, 5},
      {files, abc, exts, xyz, kWine, {"a.txt"}, {"a.txt", "y.jpg", "z.txt"}, 3},
      // A temporary name already held is passed over.
      {{"a.txt", "a.txt~0.txt"}, {"a"}, {".txt"}, {"A"}, kWine, {}, {"A.txt", "a.txt~0.txt"}, 3},
      stays_under("a", "a.txt~0.txt"),
      stays_under(ascii, ascii + ".txt~0.txt"),
      stays_under(bytes_255, bytes_255 + ".txt~0.txt"),
      stays_under(bytes_256, bytes_256.substr(0, 239) + "~0.txt"),
      // Another entry's short name is a name that it holds.
      {{"x.txt", "y.txt|X~1.TXT"}, {"x"}, {".txt"}, {"x~1"}, kWine, {}, {"x.txt", "y.txt"}, 0},
      // Listed as "foto.txt", renamed since by another program: not the file listed.
      {{"Foto.txt", "b.txt"}, {"foto", "b"}, txt, {"x", "b"}, kWine, {}, {"Foto.txt", "b.txt"}, 0},
      // Underscores to spaces gives no name a check: a device name is still never given.
      {con, {"con_", "b"}, txt, {"con ", "B"}, kWindows, {}, {"con_.txt", "B.txt"}, 1},
      // An extension or a new stem lost from its list: no file is paired with another's names.
      {files, abc, txt, xyz, kWindows, {}, files, 0},
      {files, abc, txt, {"x", "y"}, kWindows, {}, files, 0}};
  for (const auto& [names, before, extensions, after, case_rename, refused, result, renames] :
       cases) {
    FolderDouble folder(names);
    folder.case_rename = case_rename;
    folder.refused.insert(refused.begin(), refused.end());
    rename_files(folder, before, extensions, after);
    EXPECT_EQ(folder.names, result);
    EXPECT_EQ(folder.renamed_from.size(), static_cast<std::size_t>(renames)) << after[0];
  }
}

TEST(DigitRuns, NumbersStandAtOnePlaceOrNot) {
  const std::pair<Names, DigitAnalysis> folders[] = {
      {{"f 03 m.jpg", "f 12 m.jpg", "mare.jpg", "d1.x/", "f1.exe"}, SAME_POSITION},
      {{"ab12.txt", "abc2.txt"}, POSITION_DIFFERS},
      {{"a1.txt", "b2.txt", "c33.txt"}, POSITION_DIFFERS},
      {{"a12.txt", "b1x2.txt"}, POSITION_DIFFERS},
      {{"1 mare.jpg", "2 sole.jpg"}, SAME_POSITION}};
  for (const auto& [files, analysis] : folders) {
    EXPECT_EQ(analyse_digit_positions(gather_numbered_files(FolderDouble(files))), analysis);
  }
}

}  // namespace
}  // namespace veltrano::testing
