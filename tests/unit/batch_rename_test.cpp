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

TEST(FindNameProblem, RefusesClashesWithOtherFilesPresentStems) {
  const NameProblem kNone = NameProblem::kNone, kClash = NameProblem::kClash,
                    kNothing = NameProblem::kNothingToApply;
  // Directory of 8 characters, a separator, stem and extension, and the terminating zero.
  const std::string fits(246, 'x'), too_long(247, 'x');
  const struct {
    const char* what;
    Stems before, extensions, after;
    NameProblem expected;
  } cases[] = {
      {"unchanged stems", {"a", "b"}, {".txt", ".txt"}, {"a", "b"}, kNone},
      {"another file's stem", {"b", "a"}, {".txt", ".jpg"}, {"a", "a"}, kClash},
      {"case-sensitive", {"foto1", "Foto2"}, {".jpg", ".jpg"}, {"foto2", "Foto2"}, kNone},
      {"two files, one new stem", {"x", "y"}, {".txt", ".txt"}, {"z", "z"}, kNone},
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
    EXPECT_EQ(find_name_problem(8, c.before, c.extensions, c.after), c.expected) << c.what;
  }
}

// The lists of a dialog are checked again at every change: the hidden check list must not grow.
TEST(CheckNewNames, KeepsTheCheckListToThePresentStems) {
  TempFolder folder({"a.txt", "b.txt"});
  PosixFolder posix;
  MemoryDialog dialog(nullptr, posix);
  for (const char* stem : {"a", "b"}) {
    dialog.list_add(kBefore, stem);
    dialog.list_add(kExtensions, ".txt");
    dialog.list_add(kAfter, std::string(stem) + "2");
  }
  for (int call = 0; call < 3; ++call) {
    EXPECT_EQ(check_new_names(dialog, posix, kBefore, kAfter, kCheck, kExtensions), 1);
  }
  EXPECT_EQ(dialog.entries(kCheck), (Stems{"a", "b"}));
}

TEST(RenameAll, RenamesByIndexKeepingExtensionsClearingReadOnlyAndNeverReplacing) {
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
      {"read-only, even where the stem stays",
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
    for (const auto& [name, contents] : expected) {
      EXPECT_TRUE(c.after.empty() || !folder.is_read_only(name)) << name;
    }
  }
}

// A folder that folds case as Windows does and, like Wine on a case-sensitive disk, reports
// success for a rename that only changes case while changing nothing.
class CaseFoldingFolder final : public Folder {
 public:
  explicit CaseFoldingFolder(std::vector<std::string> names) : names_(std::move(names)) {}
  const std::vector<std::string>& names() const { return names_; }

  std::optional<std::string> current_directory() const override { return "C:\\x"; }
  bool for_each_entry(const std::function<void(const FolderEntry&)>&) const override {
    return false;
  }
  bool make_writable(const std::string&) override { return true; }
  bool rename_no_replace(const std::string& from, const std::string& to) override {
    const auto source = find(from);
    const auto target = find(to);
    if (source == names_.end() || (target != names_.end() && target != source)) {
      return false;
    }
    if (target != source) {
      *source = to;
    }
    return true;  // success reported, though a change of case alone changed nothing
  }

 private:
  std::vector<std::string>::iterator find(const std::string& name) {
    return std::find_if(names_.begin(), names_.end(), [&](const std::string& present) {
      return std::equal(present.begin(), present.end(), name.begin(), name.end(),
                        [](char a, char b) { return std::tolower(a) == std::tolower(b); });
    });
  }
  std::vector<std::string> names_;
};

TEST(RenameFile, ChangesOfCaseOnlyGoThroughAFreeTemporaryName) {
  const struct {
    Stems names;
    const char* from;
    const char* to;
    bool renamed;
    Stems after;
  } cases[] = {
      {{"REPORT.txt", "other.txt"}, "REPORT.txt", "report.txt", true, {"report.txt", "other.txt"}},
      {{"A.txt", "~veltrano0.tmp"}, "A.txt", "a.txt", true, {"a.txt", "~veltrano0.tmp"}},
      {{"a.txt", "b.txt"}, "a.txt", "B.TXT", false, {"a.txt", "b.txt"}},
      {{"a.txt", "b.txt"}, "missing.txt", "MISSING.txt", false, {"a.txt", "b.txt"}},
      {{"a.txt", "b.txt"}, "a.txt", "a.txt", true, {"a.txt", "b.txt"}},
  };
  for (const auto& c : cases) {
    CaseFoldingFolder folder(c.names);
    EXPECT_EQ(rename_file(folder, c.from, c.to), c.renamed) << c.from << " to " << c.to;
    EXPECT_EQ(folder.names(), c.after) << c.from << " to " << c.to;
  }
}

TEST(RenameFile, ACaseChangeOntoAnotherFileOfACaseSensitiveDiskGivesTheOldNameBack) {
  TempFolder folder({"A.txt", "a.txt"});
  const auto before = folder.contents();
  PosixFolder posix;
  EXPECT_FALSE(rename_file(posix, "A.txt", "a.txt"));
  EXPECT_EQ(folder.contents(), before);
}

}  // namespace
}  // namespace veltrano
