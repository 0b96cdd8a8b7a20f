#include "engine/batch_rename.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "engine/texts.h"
#include "platform/posix/posix_folder.h"
#include "tests/unit/memory_dialog.h"
#include "tests/unit/temp_folder.h"

namespace veltrano {
namespace {

using testing::MemoryDialog;
using testing::TempFolder;
using Stems = std::vector<std::string>;

constexpr ControlId kBefore = 501, kAfter = 502, kCheck = 510, kExtensions = 507;

struct ProblemCase {
  const char* what;
  Stems before;
  Stems extensions;
  Stems after;
  NameProblem expected;
};

TEST(FindNameProblem, RefusesClashesWithOtherFilesPresentStems) {
  const ProblemCase cases[] = {
      {"unchanged stems", {"a", "b"}, {".txt", ".txt"}, {"a", "b"}, NameProblem::kNone},
      {"stem of another file, other extension",
       {"b", "a"},
       {".txt", ".jpg"},
       {"a", "a"},
       NameProblem::kClash},
      {"comparison is case-sensitive",
       {"foto1", "Foto2"},
       {".jpg", ".jpg"},
       {"foto2", "Foto2"},
       NameProblem::kNone},
      {"two files given one new stem",
       {"x", "y"},
       {".txt", ".txt"},
       {"z", "z"},
       NameProblem::kNone},
      {"the chain 1 to 2, 2 to 3", {"1", "2"}, {".txt", ".txt"}, {"2", "3"}, NameProblem::kClash},
      {"duplicate present stems kept",
       {"a", "a"},
       {".txt", ".jpg"},
       {"a", "a"},
       NameProblem::kClash},
      {"duplicate present stems both changed",
       {"a", "a"},
       {".txt", ".jpg"},
       {"b", "c"},
       NameProblem::kNone},
      {"swap", {"a", "b"}, {".txt", ".txt"}, {"b", "a"}, NameProblem::kClash},
      {"empty stem of another file",
       {"", "x"},
       {".profile", ".txt"},
       {"", ""},
       NameProblem::kClash},
      {"no files", {}, {}, {}, NameProblem::kNone},
      {"empty after list", {"a", "b"}, {".txt", ".txt"}, {}, NameProblem::kNothingToApply},
      {"after list out of step", {"a", "b"}, {".txt", ".txt"}, {"c"}, NameProblem::kNothingToApply},
  };
  for (const ProblemCase& c : cases) {
    EXPECT_EQ(find_name_problem(8, c.before, c.extensions, c.after), c.expected) << c.what;
  }
}

TEST(FindNameProblem, PathOf260BytesPassesAnd261IsRefusedBeforeAnyClash) {
  // Directory of 8 characters, a separator, stem and extension, and the terminating zero.
  const std::string extension = ".txt";
  const std::string fits(250 - extension.size(), 'x');
  const std::string too_long(251 - extension.size(), 'x');
  EXPECT_EQ(find_name_problem(8, {"a", "b"}, {extension, extension}, {fits, "b"}),
            NameProblem::kNone);
  EXPECT_EQ(find_name_problem(8, {"a", "b"}, {extension, extension}, {"b", too_long}),
            NameProblem::kPathTooLong);
}

TEST(CheckNewNames, ShowsThePathMessageAndKeepsTheCheckListBounded) {
  TempFolder folder({"a.txt", "b.txt"});
  PosixFolder posix;
  MemoryDialog dialog(nullptr, posix);
  const std::size_t directory_length = folder.path().string().size();
  for (const char* stem : {"a", "b"}) {
    dialog.list_add(kBefore, stem);
    dialog.list_add(kExtensions, ".txt");
  }

  dialog.list_add(kAfter, "c");
  dialog.list_add(kAfter, "d");
  for (int call = 0; call < 3; ++call) {
    EXPECT_EQ(check_new_names(dialog, posix, kBefore, kAfter, kCheck, kExtensions), 1);
  }
  EXPECT_EQ(dialog.entries(kCheck), (Stems{"a", "b"}));
  EXPECT_TRUE(dialog.message_boxes().empty());

  dialog.list_reset(kAfter);
  dialog.list_add(kAfter, std::string(260 - directory_length - 1 - 4 - 1, 'x'));
  dialog.list_add(kAfter, "a");  // a clash, found only after the path check
  EXPECT_EQ(check_new_names(dialog, posix, kBefore, kAfter, kCheck, kExtensions), 0);
  EXPECT_TRUE(dialog.message_boxes().empty());

  dialog.list_reset(kAfter);
  dialog.list_add(kAfter, std::string(260 - directory_length - 1 - 4, 'x'));
  dialog.list_add(kAfter, "a");
  EXPECT_EQ(check_new_names(dialog, posix, kBefore, kAfter, kCheck, kExtensions), 0);
  ASSERT_EQ(dialog.message_boxes().size(), 1u);
  EXPECT_EQ(dialog.message_boxes()[0].text, texts::kPathTooLong);
  EXPECT_EQ(dialog.message_boxes()[0].caption, texts::kPathTooLongCaption);

  dialog.list_reset(kAfter);
  EXPECT_EQ(check_new_names(dialog, posix, kBefore, kAfter, kCheck, kExtensions), 0);
}

// Fills the three lists of a dialog and applies them to the temporary folder.
void rename_by_lists(const Stems& before, const Stems& extensions, const Stems& after) {
  PosixFolder posix;
  MemoryDialog dialog(nullptr, posix);
  for (std::size_t i = 0; i < before.size(); ++i) {
    dialog.list_add(kBefore, before[i]);
    dialog.list_add(kExtensions, extensions[i]);
  }
  for (const std::string& stem : after) {
    dialog.list_add(kAfter, stem);
  }
  EXPECT_EQ(rename_all(dialog, posix, kBefore, kExtensions, kAfter), 0);
}

std::map<std::string, std::string> expected_contents(
    std::map<std::string, std::string> contents,
    const std::vector<std::pair<std::string, std::string>>& renames) {
  for (const auto& [from, to] : renames) {
    auto node = contents.extract(from);
    node.key() = to;
    contents.insert(std::move(node));
  }
  return contents;
}

TEST(RenameAll, RenamesByIndexKeepingEachExtension) {
  TempFolder folder({"a.txt", "a.doc", "archive.tar.gz", ".profile"});
  const auto before = folder.contents();
  rename_by_lists({"a", "a", "archive.tar", ""}, {".txt", ".doc", ".gz", ".profile"},
                  {"uno", "due", "ARCHIVE.TAR", "x"});
  EXPECT_EQ(folder.contents(), expected_contents(before, {{"a.txt", "uno.txt"},
                                                          {"a.doc", "due.doc"},
                                                          {"archive.tar.gz", "ARCHIVE.TAR.gz"},
                                                          {".profile", "x.profile"}}));
}

TEST(RenameAll, ClearsReadOnlyEvenWhereTheStemStays) {
  TempFolder folder({"keep.txt", "change.txt"});
  folder.make_read_only("keep.txt");
  folder.make_read_only("change.txt");
  const auto before = folder.contents();
  rename_by_lists({"keep", "change"}, {".txt", ".txt"}, {"keep", "changed"});
  EXPECT_EQ(folder.contents(), expected_contents(before, {{"change.txt", "changed.txt"}}));
  EXPECT_FALSE(folder.is_read_only("keep.txt"));
  EXPECT_FALSE(folder.is_read_only("changed.txt"));
}

TEST(RenameAll, NeverReplacesAFile) {
  TempFolder folder({"x.txt", "y.txt", "z.txt", "a b.txt", "a_b.txt"});
  const auto before = folder.contents();
  // Two files given one new name, and a new name that another listed file holds.
  rename_by_lists({"x", "y", "a b"}, {".txt", ".txt", ".txt"}, {"w", "w", "a_b"});
  const auto after = folder.contents();
  EXPECT_EQ(after.size(), before.size());
  EXPECT_EQ(after, expected_contents(before, {{"x.txt", "w.txt"}}));
}

TEST(RenameAll, EmptyAfterListRenamesNothing) {
  TempFolder folder({"a.txt", "b.txt"});
  const auto before = folder.contents();
  rename_by_lists({"a", "b"}, {".txt", ".txt"}, {});
  EXPECT_EQ(folder.contents(), before);
}

TEST(RenameAll, CarriesLongExtensionsWhole) {
  const std::string extension = ".a-very-long-extension-indeed";
  TempFolder folder({"f" + extension, "g.txt"});
  const auto before = folder.contents();
  rename_by_lists({"f", "g"}, {extension, ".txt"}, {"F", "g"});
  EXPECT_EQ(folder.contents(), expected_contents(before, {{"f" + extension, "F" + extension}}));
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
    if (source == names_.end()) {
      return false;
    }
    const auto target = find(to);
    if (target == source) {
      return true;  // success reported, nothing changed
    }
    if (target != names_.end()) {
      return false;
    }
    *source = to;
    return true;
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

TEST(RenameFile, ChangesOfCaseOnlyGoThroughATemporaryName) {
  CaseFoldingFolder folder({"REPORT.txt", "other.txt"});
  EXPECT_TRUE(rename_file(folder, "REPORT.txt", "report.txt"));
  EXPECT_EQ(folder.names(), (Stems{"report.txt", "other.txt"}));
}

TEST(RenameFile, ATakenTemporaryNameIsSkipped) {
  CaseFoldingFolder folder({"A.txt", "~veltrano0.tmp"});
  EXPECT_TRUE(rename_file(folder, "A.txt", "a.txt"));
  EXPECT_EQ(folder.names(), (Stems{"a.txt", "~veltrano0.tmp"}));
}

TEST(RenameFile, RefusedRenamesLeaveTheFolderAsItWas) {
  CaseFoldingFolder folder({"a.txt", "b.txt"});
  EXPECT_FALSE(rename_file(folder, "a.txt", "B.TXT"));
  EXPECT_FALSE(rename_file(folder, "missing.txt", "MISSING.txt"));
  EXPECT_TRUE(rename_file(folder, "a.txt", "a.txt"));
  EXPECT_EQ(folder.names(), (Stems{"a.txt", "b.txt"}));
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
