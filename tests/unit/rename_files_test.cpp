#include "engine/rename_files.h"

#include <gtest/gtest.h>

#include "tests/unit/folder_double.h"

namespace veltrano::testing {
namespace {

using Names = std::vector<std::string>;

TEST(RenameFiles, RenamesWhatChangesAndGoesOnPastAFailure) {
  const struct {
    Names files, before, extensions, after, refused, result;
  } cases[] = {
      // A change of letter case alone, accented capital included, goes through a temporary name.
      {{"\xC0 b.txt", "X.txt"},
       {"\xC0 b", "X"},
       {".txt", ".txt"},
       {"\xE0 b", "x"},
       {},
       {"\xE0 b.txt", "x.txt"}},
      {{"a.txt", "b.jpg", "c.txt"},
       {"a", "b", "c"},
       {".txt", ".jpg", ".txt"},
       {"x", "y", "z"},
       {"a.txt"},
       {"a.txt", "y.jpg", "z.txt"}},
      {{"a.txt", "b.jpg", "c.txt"},
       {"a", "b", "c"},
       {".txt", ".jpg", ".txt"},
       {"x", "y", "z"},
       {"b.jpg"},
       {"x.txt", "b.jpg", "z.txt"}},
      {{"a.txt", "b.txt", "c.txt"},
       {"a", "b"},
       {".txt", ".txt"},
       {"a", "c"},
       {},
       {"a.txt", "b.txt", "c.txt"}},
  };
  for (const auto& c : cases) {
    FolderDouble folder(c.files);
    folder.refused.insert(c.refused.begin(), c.refused.end());
    rename_files(folder, c.before, c.extensions, c.after);
    EXPECT_EQ(folder.names(), c.result);
    for (std::size_t i = 0; i < c.before.size(); ++i) {
      if (c.before[i] == c.after[i]) {  // an unchanged name is never renamed
        EXPECT_EQ(std::count(folder.renamed_from.begin(), folder.renamed_from.end(),
                             c.before[i] + c.extensions[i]),
                  0);
      }
    }
  }
}

}  // namespace
}  // namespace veltrano::testing
