// Random folders biased towards names that collide, worked on by every operation dialog with
// random inputs, "Rinomina" pressed whenever it is enabled, and now and then one rename refused.
// After every step: every entry under its old name or the one the preview gave it, a name that
// stays never renamed, and a preview that the dialog checked applied whole but for the refused
// rename. VELTRANO_TRIALS and VELTRANO_SEED (the first seed) replay a run.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>

#include "app/dispatch.h"
#include "tests/unit/folder_double.h"
#include "tests/unit/memory_dialog.h"

namespace veltrano::testing {
namespace {

// "Foto.jpg~0" is the temporary name of a change of case of "foto.jpg".
const Names kStems = {"foto", "Foto", "FOTO 1", "foto_1", "foto 1", "\xC0 2",     "\xE0 2",
                      "a1",   "A1",   "01 x",   "con",    "b",      "Foto.jpg~0", ""};
const Names kExtensions = {".jpg", ".JPG", ".txt", ".exe", ".Zip", ".jpg/"};
const Names kTyped = {"",  "0",    "1",    "2",    "3",   "o", "O", "_",
                      " ", "\xC0", "\xE0", "foto", "con", "?", "F"};

void run_trial(unsigned seed) {
  std::mt19937 random(seed);
  const auto pick = [&random](std::size_t count) {
    return std::uniform_int_distribution<std::size_t>(0, count - 1)(random);
  };
  FolderDouble folder({}, pick(4) == 0 ? std::string(240, 'd') : "C:\\F");
  for (std::size_t i = 3 + pick(6); i > 0; --i) {
    folder.add(kStems[pick(kStems.size())] + kExtensions[pick(kExtensions.size())]);
  }
  for (int operation = 0; operation < 3 && !::testing::Test::HasFailure(); ++operation) {
    const OperationControls& c = kOperationDialogs[pick(std::size(kOperationDialogs))];
    const Names before = folder.names;
    MemoryDialog dialog(kDispatchTable.at(dispatch_row(c.main_button)).proc, folder, c);
    dialog.open();
    for (int i = 0; i < 4 && c.input != 0 && dialog.enabled(c.rename_button) != true; ++i) {
      const ControlId field = c.second_input != 0 && pick(2) == 0 ? c.second_input : c.input;
      if (dialog.enabled(field) != false) {
        dialog.type(field, kTyped[pick(kTyped.size())]);
        ASSERT_EQ(folder.names, before) << "typing renamed a file";
      }
    }
    if (dialog.enabled(c.rename_button) != true) {
      continue;
    }
    // Each listed name with the name that the preview gives it.
    std::map<std::string, std::string> preview;
    const Names stems = dialog.entries(c.before_list), after = dialog.entries(c.after_list);
    const Names extensions = dialog.entries(c.extension_list);
    for (std::size_t i = 0; i < after.size(); ++i) {
      preview[stems.at(i) + extensions.at(i)] = after[i] + extensions.at(i);
    }
    folder.refused.clear();
    if (pick(3) == 0 && !preview.empty()) {
      folder.refused.insert(std::next(preview.begin(), pick(preview.size()))->first);
    }
    folder.renamed_from.clear();
    dialog.command(c.rename_button);
    for (std::size_t i = 0; i < before.size(); ++i) {
      const std::string &was = before[i], &is = folder.names[i];
      const auto listed = folder.folders.contains(was) ? preview.end() : preview.find(was);
      const std::string wanted = listed == preview.end() ? was : listed->second;
      SCOPED_TRACE(was + " -> " + wanted + ", now " + is);
      EXPECT_TRUE(is == was || is == wanted);
      if (wanted == was) {
        EXPECT_EQ(std::ranges::count(folder.renamed_from, was), 0) << "renamed, yet it stays";
      } else if (c.message_line != 0 && !folder.refused.contains(was)) {
        EXPECT_EQ(is, wanted) << "a preview that the dialog checked was not applied whole";
      }
    }
  }
}

unsigned environment_number(const char* name, unsigned otherwise) {
  const char* text = std::getenv(name);
  return text != nullptr ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : otherwise;
}

TEST(RenameProperty, RandomFoldersAndOperationsNeverLoseNorMisnameAFile) {
  const unsigned trials = environment_number("VELTRANO_TRIALS", 5000);
  const unsigned seed = environment_number("VELTRANO_SEED", 20261207);
  std::printf("rename property: %u trials from seed %u\n", trials, seed);
  for (unsigned trial = 0; trial < trials && !::testing::Test::HasFailure(); ++trial) {
    SCOPED_TRACE("replay with VELTRANO_SEED=" + std::to_string(seed + trial) +
                 " VELTRANO_TRIALS=1");
    run_trial(seed + trial);
  }
}

}  // namespace
}  // namespace veltrano::testing
