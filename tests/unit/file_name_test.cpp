#include "engine/file_name.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/listing.h"
#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using namespace testing;

TEST(ExtensionAllowed, ExcludesTheElevenWholeExtensionsInAnyCase) {
  for (const char* excluded :
       {".c", ".h",  ".rc",  ".exe", ".db",  ".obj", ".dep", ".err", ".res", ".prj", ".zip", ".C",
        ".H", ".Rc", ".EXE", ".Db",  ".oBJ", ".DEP", ".Err", ".RES", ".pRj", ".ZIP", ".Zip"}) {
    EXPECT_EQ(extension_allowed(excluded), 0) << excluded;
  }
  for (const char* allowed :
       {".cc", ".cpp", ".c2", ".hpp", ".zip2", ".zipx", ".exe2", ".txt", ".", ".jpg", ".\xC8XE"}) {
    EXPECT_EQ(extension_allowed(allowed), 1) << allowed;
  }
}

struct ListingCase {
  std::string name;
  bool is_directory;
  bool listable;
  std::string stem;
  std::string extension;
};

TEST(SplitListable, AppliesTheFourConditionsAndCutsAtTheLastDot) {
  const std::vector<ListingCase> cases = {
      {"archive.tar.gz", false, true, "archive.tar", ".gz"},
      {".profile", false, true, "", ".profile"},
      {"foto.jpg", false, true, "foto", ".jpg"},
      {"trailing.", false, true, "trailing", "."},
      {"citt\xE0 1.mp3", false, true, "citt\xE0 1", ".mp3"},
      {"README", false, false, "", ""},
      {".", true, false, "", ""},
      {"..", true, false, "", ""},
      {"dir.with.dot", true, false, "", ""},
      {"program.EXE", false, false, "", ""},
      {"backup.Zip", false, false, "", ""},
      {"main.C", false, false, "", ""},
      {"main.cc", false, true, "main", ".cc"},
  };
  for (const ListingCase& c : cases) {
    const auto split = split_listable(FolderEntry{c.name, c.is_directory});
    ASSERT_EQ(split.has_value(), c.listable) << c.name;
    if (split) {
      EXPECT_EQ(split->stem, c.stem) << c.name;
      EXPECT_EQ(split->extension, c.extension) << c.name;
    }
  }
}

TEST(ListFolder, FillsStemsAndExtensionsInEnumerationOrder) {
  TempFolder folder({"archive.tar.gz", "a.txt", "a.jpg", ".profile", "README", "setup.exe",
                     "NOTES.ZIP", "code.cpp"});
  folder.add_directory("dir.with.dot");
  folder.make_read_only("a.jpg");

  PosixFolder posix;
  const auto [expected_stems, expected_extensions] = listable_files(posix);

  MemoryDialog dialog(nullptr, posix);
  EXPECT_EQ(list_folder(dialog, posix, 901, 907), 0);
  EXPECT_EQ(dialog.entries(901), expected_stems);
  EXPECT_EQ(dialog.entries(907), expected_extensions);
  EXPECT_TRUE(dialog.all_lists_redrawn());

  Names sorted = expected_stems;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(sorted, (Names{"", "a", "a", "archive.tar", "code"}));
}

}  // namespace
}  // namespace veltrano
