// An operation dialog opened through its procedure on a real temporary folder, what a test reads
// back from it, and the listing that the dialogs and the listing tests compare against.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "engine/file_name.h"
#include "interface/texts.h"
#include "platform/posix/posix_folder.h"
#include "resources/resource_ids.h"
#include "tests/unit/memory_dialog.h"
#include "tests/unit/temp_folder.h"

namespace veltrano::testing {

using Names = std::vector<std::string>;
using Contents = std::map<std::string, std::string>;
// Each old file name with the new stem that the after list gives it.
using Preview = std::map<std::string, std::string>;

// The controls a test reads; `message` is 0 for a dialog without a message line.
struct DialogIds {
  ControlId before, extensions, after, rename, cancel, message;
};

constexpr DialogIds frame_ids(int base, ControlId message = 0) {
  return {base + OFFSET_BEFORE_LIST, base + OFFSET_EXTENSION_LIST, base + OFFSET_AFTER_LIST,
          base + OFFSET_RENAME,      base + OFFSET_CANCEL,         message};
}

// The stems and extensions of the listable files, in the folder's enumeration order.
inline std::pair<Names, Names> listable_files(const Folder& folder) {
  Names stems, extensions;
  folder.for_each_entry([&](const FolderEntry& entry) {
    if (const auto split = split_listable(entry)) {
      stems.emplace_back(split->stem);
      extensions.emplace_back(split->extension);
    }
  });
  return {stems, extensions};
}

// A change of one field and what the dialog shows after it. `preview` nullopt: the preview shown
// before the change stays. `boxes`: message boxes shown since the dialog opened.
struct Step {
  ControlId field;
  std::string text;
  std::optional<Preview> preview;
  std::string message;
  bool can_rename;
  std::size_t boxes = 0;
};

struct OpenDialog {
  OpenDialog(DialogProc proc, DialogIds ids, const Names& files, std::set<ControlId> edits = {})
      : folder(files), dialog(proc, posix, std::move(edits)), ids(ids) {
    dialog.open();
    original = folder.contents();
  }

  Names before() const { return dialog.entries(ids.before); }
  Names after() const { return dialog.entries(ids.after); }
  std::string message() const { return dialog.shown_text(ids.message); }
  bool can_rename() const { return dialog.is_enabled(ids.rename); }

  // By name, since the listing order is the platform's. Empty when the after list is.
  Preview preview() const {
    const Names stems = before(), exts = dialog.entries(ids.extensions), new_stems = after();
    Preview result;
    if (!new_stems.empty()) {
      EXPECT_EQ(new_stems.size(), stems.size()) << "the after list is out of step";
      for (std::size_t i = 0; i < stems.size() && i < new_stems.size(); ++i) {
        result[stems[i] + exts[i]] = new_stems[i];
      }
    }
    return result;
  }

  void run(const std::vector<Step>& steps) {
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const Step& step = steps[i];
      SCOPED_TRACE(::testing::Message() << "step " << i + 1 << ": " << step.field << " <- \""
                                        << step.text.substr(0, 20) << '"');
      const Preview shown = preview();
      dialog.type(step.field, step.text);
      EXPECT_EQ(preview(), step.preview.value_or(shown));
      EXPECT_EQ(message(), step.message);
      EXPECT_EQ(can_rename(), step.can_rename);
      EXPECT_EQ(dialog.message_boxes().size(), step.boxes);
    }
  }

  // The folder as renaming by the shown preview should leave it: every listed file under its new
  // name with its own contents, every other file untouched.
  Contents renamed_by_preview() const {
    Contents expected = original;
    const Names stems = before(), exts = dialog.entries(ids.extensions), new_stems = after();
    for (std::size_t i = 0; i < new_stems.size(); ++i) {
      auto node = expected.extract(stems[i] + exts[i]);
      node.key() = new_stems[i] + exts[i];
      expected.insert(std::move(node));
    }
    return expected;
  }

  // Presses "Rinomina" and checks that the folder was renamed by the preview shown before, under
  // the wait cursor, which is gone again after.
  void expect_rinomina_renames_by_preview() {
    const Contents expected = renamed_by_preview();
    ASSERT_EQ(dialog.wait_cursors_shown(), 0);
    ASSERT_TRUE(dialog.press(ids.rename));
    EXPECT_EQ(dialog.end_result(), 0);
    EXPECT_EQ(folder.contents(), expected);
    EXPECT_EQ(dialog.wait_cursors_shown(), 1);
    EXPECT_FALSE(dialog.wait_cursor_on());
  }

  // The one message box the check showed for a path that is too long.
  void expect_one_path_box() const {
    ASSERT_EQ(dialog.message_boxes().size(), 1u);
    EXPECT_EQ(dialog.message_boxes()[0].text, texts::kPathTooLong);
    EXPECT_EQ(dialog.message_boxes()[0].caption, texts::kPathTooLongCaption);
  }

  // The longest stem whose path, with a four-byte extension and the terminating zero, fits in 260.
  std::size_t longest_stem() const {
    return 260 - posix.current_directory().value().size() - 1 - 4 - 1;
  }

  TempFolder folder;
  PosixFolder posix;
  MemoryDialog dialog;
  DialogIds ids;
  Contents original;
};

}  // namespace veltrano::testing
