#include "engine/batch_rename.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "platform/posix/posix_folder.h"
#include "tests/unit/memory_dialog.h"
#include "tests/unit/temp_folder.h"

namespace veltrano {
namespace {

using testing::MemoryDialog;
using testing::TempFolder;
using Stems = std::vector<std::string>;

constexpr ControlId kBefore = 501, kAfter = 502, kCheck = 510, kExtensions = 507;

TEST(FindNameProblem, RefusesNamesThatCannotAllBeApplied) {
  const NameProblem kNone = NameProblem::kNone, kClash = NameProblem::kClash,
                    kNothing = NameProblem::kNothingToApply;
  // Directory of 8 characters, a separator, stem and extension, and the terminating zero.
  const std::string fits(246, 'x'), too_long(247, 'x');
  const struct {
    const char* what;
    Stems before, extensions, after;
    NameProblem expected;
    Stems others = {};  // entries that are not listed
  } cases[] = {
      {"unchanged stems", {"a", "b"}, {".txt", ".txt"}, {"a", "b"}, kNone},
      {"another file's stem", {"b", "a"}, {".txt", ".jpg"}, {"a", "a"}, kClash},
      {"another file's name, case aside",
       {"foto1", "Foto2"},
       {".jpg", ".JPG"},
       {"foto2", "Foto2"},
       kClash},
      {"long names, case aside",
       {"Canzone del Mare 1", "Canzone del Mare 2"},
       {".Flac", ".flac"},
       {"canzone DEL mare 2", "Canzone del Mare 2"},
       kClash},
      {"accented capitals fold", {"a", "\xC0"}, {".txt", ".txt"}, {"\xE0", "\xC0"}, kClash},
      {"\x8A folds to \x9A", {"a", "\x8A"}, {".txt", ".txt"}, {"\x9A", "\x8A"}, kClash},
      {"one new name twice", {"01 Alba", "02 Alba"}, {".mp3", ".MP3"}, {"Alba", "alba"}, kClash},
      {"one new stem, two extensions", {"x", "y"}, {".txt", ".jpg"}, {"z", "z"}, kNone},
      {"own name, case changed", {"report", "b"}, {".TXT", ".txt"}, {"REPORT", "b"}, kNone},
      {"case change onto a case variant", {"A", "a"}, {".jpg", ".jpg"}, {"a", "a"}, kClash},
      {"a folder's name", {"x", "y"}, {".txt", ".txt"}, {"z", "y"}, kClash, {"Z.TXT"}},
      {"a name without a dot", {"x", "y"}, {".txt", ".txt"}, {"x", "y"}, kNone, {"x"}},
      {"a device name that stays", {"con", "b"}, {".txt", ".txt"}, {"con", "c"}, kNone},
      {"chain 1 to 2, 2 to 3", {"1", "2"}, {".txt", ".txt"}, {"2", "3"}, kClash},
      {"duplicate stems kept", {"a", "a"}, {".txt", ".jpg"}, {"a", "a"}, kClash},
      {"duplicate stems changed", {"a", "a"}, {".txt", ".jpg"}, {"b", "c"}, kNone},
      {"swap", {"a", "b"}, {".txt", ".txt"}, {"b", "a"}, kClash},
      {"empty stem", {"", "x"}, {".profile", ".txt"}, {"", ""}, kClash},
      {"no files", {}, {}, {}, kNone},
      {"empty after list", {"a", "b"}, {".txt", ".txt"}, {}, kNothing},
      {"after list out of step", {"a", "b"}, {".txt", ".txt"}, {"c"}, kNothing},
      {"path of 260 bytes", {"a", "b"}, {".txt", ".txt"}, {fits, "b"}, kNone},
      {"261 bytes, before the clash",
       {"a", "b"},
       {".txt", ".txt"},
       {"b", too_long},
       NameProblem::kPathTooLong},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(find_name_problem(8, c.before, c.extensions, c.after, c.others), c.expected)
        << c.what;
  }
}

TEST(FindNameProblem, RefusesDeviceNamesWhateverTheExtension) {
  const struct {
    const char* new_stem;
    bool device;
  } cases[] = {{"con", true},   {"PRN", true},   {"aux", true},     {"Nul.tar", true},
               {"COM1", true},  {"lpt9", true},  {"com\xB9", true}, {"con ", true},
               {"cons", false}, {"com0", false}, {"lpt", false},    {"xcon", false},
               {"con_", false}, {"com10", false}};
  for (const auto& c : cases) {
    EXPECT_EQ(find_name_problem(8, {"a"}, {".txt"}, {c.new_stem}, {}),
              c.device ? NameProblem::kClash : NameProblem::kNone)
        << c.new_stem;
  }
}

TEST(RenameAll, RenamesByIndexKeepingExtensionsAndReadOnlyAndNeverReplacing) {
  const std::string long_extension = ".a-very-long-extension-indeed";
  const struct {
    const char* what;
    Stems files, read_only, before, extensions, after;
    std::map<std::string, std::string> renames;  // old name to new name
  } cases[] = {
      {"by index",
       {"a.txt", "a.doc", "archive.tar.gz", ".profile", "f" + long_extension},
       {},
       {"a", "a", "archive.tar", "", "f"},
       {".txt", ".doc", ".gz", ".profile", long_extension},
       {"uno", "due", "ARCHIVE.TAR", "x", "F"},
       {{"a.txt", "uno.txt"},
        {"a.doc", "due.doc"},
        {"archive.tar.gz", "ARCHIVE.TAR.gz"},
        {".profile", "x.profile"},
        {"f" + long_extension, "F" + long_extension}}},
      {"read-only files stay read-only",
       {"keep.txt", "change.txt"},
       {"keep.txt", "change.txt"},
       {"keep", "change"},
       {".txt", ".txt"},
       {"keep", "changed"},
       {{"change.txt", "changed.txt"}}},
      {"two files given one name, and a name another file holds",
       {"x.txt", "y.txt", "a b.txt", "a_b.txt"},
       {},
       {"x", "y", "a b"},
       {".txt", ".txt", ".txt"},
       {"w", "w", "a_b"},
       {{"x.txt", "w.txt"}}},
      {"empty after list", {"a.txt", "b.txt"}, {}, {"a", "b"}, {".txt", ".txt"}, {}, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder(c.files);
    for (const std::string& name : c.read_only) {
      folder.make_read_only(name);
    }
    auto expected = folder.contents();
    for (const auto& [from, to] : c.renames) {
      auto node = expected.extract(from);
      node.key() = to;
      expected.insert(std::move(node));
    }
    PosixFolder posix;
    MemoryDialog dialog(nullptr, posix);
    for (std::size_t i = 0; i < c.before.size(); ++i) {
      dialog.list_add(kBefore, c.before[i]);
      dialog.list_add(kExtensions, c.extensions[i]);
    }
    for (const std::string& stem : c.after) {
      dialog.list_add(kAfter, stem);
    }
    EXPECT_EQ(rename_all(dialog, posix, kBefore, kExtensions, kAfter), 0);
    EXPECT_EQ(folder.contents(), expected);
    for (const std::string& name : c.read_only) {  // under its new name, if it has one
      const auto renamed = c.renames.find(name);
      EXPECT_TRUE(folder.is_read_only(renamed == c.renames.end() ? name : renamed->second)) << name;
    }
  }
}

}  // namespace
}  // namespace veltrano
