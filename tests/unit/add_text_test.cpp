#include "operations/add_text.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using namespace testing;

// The twins, by their controls and the side on which the text goes.
struct Twin {
  DialogProc proc;
  void (*build_preview)(Dialog&);
  int base;
  ControlId message_line;
  bool at_start;

  ControlId field() const { return base + OFFSET_INPUT; }
  std::string added(const std::string& stem, const std::string& text) const {
    return at_start ? text + stem : stem + text;
  }
};

const Twin kTwins[] = {
    {add_at_start_dialog_proc, build_add_at_start_preview, BASE_ADD_AT_START, IDC_ADD_START_MESSAGE,
     true},
    {add_at_end_dialog_proc, build_add_at_end_preview, BASE_ADD_AT_END, IDC_ADD_END_MESSAGE, false},
};

struct AddTextDialog : OpenDialog {
  AddTextDialog(const Twin& twin, const Names& files)
      : OpenDialog(twin.proc, frame_ids(twin.base, twin.message_line), files, {twin.field()}) {}
};

TEST(AddTextDialog, AddsTheTextOnItsSideAtEveryChange) {
  for (const Twin& twin : kTwins) {
    SCOPED_TRACE(twin.at_start ? "at start" : "at end");
    // "x" added to "a" gives the present stem of the third file.
    const std::string other = twin.added("a", "x");
    AddTextDialog d(twin, {"a.txt", "a.jpg", other + ".txt", "skip.exe"});
    EXPECT_EQ(d.message(), "");
    EXPECT_EQ(d.before().size(), 3u);
    EXPECT_TRUE(d.after().empty());
    EXPECT_FALSE(d.can_rename());
    EXPECT_EQ(d.dialog.focused(), twin.field());

    const auto adding = [&](const std::string& text) {
      return Preview{{"a.txt", twin.added("a", text)},
                     {"a.jpg", twin.added("a", text)},
                     {other + ".txt", twin.added(other, text)}};
    };
    const std::string forbidden = texts::kForbiddenChars;
    const ControlId field = twin.field();
    d.run({
        // A clash is refused without a message, and the refused names are not shown.
        {field, "x", Preview{}, "", false},
        {field, "\xE8", adding("\xE8"), "", true},
        {field, "   ", adding("   "), "", true},
        {field, std::string(127, 'x') + "<", std::nullopt, forbidden, false},  // the 128th
        {field, std::string(200, 'x') + "\"" + std::string(58, 'y'), std::nullopt, forbidden,
         false},
        // A clash after a refusal keeps the refusal and empties the preview.
        {field, "x", Preview{}, forbidden, false},
        {field, "Vacanze_", adding("Vacanze_"), "", true},
        {field, "a|b", std::nullopt, forbidden, false},
        {field, "", Preview{}, "", false},  // clearing the field clears a refusal
        {field, ":", Preview{}, forbidden, false},
    });
  }
}

TEST(AddTextDialog, PathOf260BytesIsRenamedAnd261Refused) {
  for (const Twin& twin : kTwins) {
    SCOPED_TRACE(twin.at_start ? "at start" : "at end");
    AddTextDialog d(twin, {"a.txt", "b.txt"});
    const std::string longest(d.longest_stem() - 1, 'n');  // added to one-letter stems
    d.dialog.type(twin.field(), longest + "n");
    d.expect_one_path_box();
    EXPECT_TRUE(d.after().empty());
    EXPECT_FALSE(d.can_rename());
    d.run({{twin.field(), longest,
            Preview{{"a.txt", twin.added("a", longest)}, {"b.txt", twin.added("b", longest)}}, "",
            true, 1}});
    d.expect_rinomina_renames_by_preview();
  }
}

TEST(AddTextDialog, PreviewUses259CharactersOfTheTextAndHoldsTheStemsWhole) {
  for (const Twin& twin : kTwins) {
    AddTextDialog d(twin, {"0123456789.txt", "b.txt"});
    const std::string text(300, 't');
    d.dialog.type(twin.field(), text);
    d.expect_one_path_box();
    // The refused preview is not shown; build it on its own to see what it holds.
    twin.build_preview(d.dialog);
    EXPECT_EQ(d.preview(),
              (Preview{{"0123456789.txt", twin.added("0123456789", text.substr(0, 259))},
                       {"b.txt", twin.added("b", text.substr(0, 259))}}));
  }
}

}  // namespace
}  // namespace veltrano
