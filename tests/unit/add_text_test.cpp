#include "operations/add_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "engine/texts.h"
#include "resources/resource_ids.h"
#include "tests/unit/input_dialog_harness.h"

namespace veltrano {
namespace {

using testing::OpenInputDialog;
using Preview = std::map<std::string, std::string>;

// The twins, by their controls and the side on which the text goes.
struct Twin {
  const char* name;
  DialogProc proc;
  void (*build_preview)(Dialog&);
  int base;
  ControlId message_line;
  bool at_start;

  ControlId before() const { return base + OFFSET_BEFORE_LIST; }
  ControlId after() const { return base + OFFSET_AFTER_LIST; }
  ControlId field() const { return base + OFFSET_INPUT; }
  ControlId rename() const { return base + OFFSET_RENAME; }
  ControlId cancel() const { return base + OFFSET_CANCEL; }
  ControlId extensions() const { return base + OFFSET_EXTENSION_LIST; }
  std::string added(const std::string& stem, const std::string& text) const {
    return at_start ? text + stem : stem + text;
  }
};

const Twin kTwins[] = {
    {"start", add_at_start_dialog_proc, build_add_at_start_preview, BASE_ADD_AT_START,
     IDC_ADD_START_MESSAGE, true},
    {"end", add_at_end_dialog_proc, build_add_at_end_preview, BASE_ADD_AT_END, IDC_ADD_END_MESSAGE,
     false},
};

struct AddTextDialog : OpenInputDialog {
  AddTextDialog(const Twin& twin, const std::vector<std::string>& files)
      : OpenInputDialog(twin.proc, {twin.field()}, files), twin(twin) {}
  Preview preview() const {
    return OpenInputDialog::preview(twin.before(), twin.extensions(), twin.after());
  }
  std::string message() const { return dialog.shown_text(twin.message_line); }
  bool can_rename() const { return dialog.is_enabled(twin.rename()); }
  void type(const std::string& text) { dialog.type(twin.field(), text); }

  const Twin& twin;
};

TEST(AddTextDialog, OpensEmptyWithRinominaDisabled) {
  for (const Twin& twin : kTwins) {
    AddTextDialog d(twin, {"Alba.txt", "Sole.jpg", "skip.exe"});
    EXPECT_EQ(d.message(), "") << twin.name;
    EXPECT_TRUE(d.dialog.entries(twin.after()).empty()) << twin.name;
    EXPECT_EQ(d.dialog.entries(twin.before()).size(), 2u) << twin.name;
    EXPECT_FALSE(d.can_rename()) << twin.name;
    EXPECT_EQ(d.dialog.focused(), twin.field()) << twin.name;
  }
}

TEST(AddTextDialog, AddsTheTextOnItsSideOrRefusesAClash) {
  struct Case {
    std::vector<std::string> files;
    std::string text;
    Preview at_start;  // empty: refused by the name check
    Preview at_end;
  };
  const Case cases[] = {
      {{"Alba.txt", "Sole.txt"},
       "Vacanze_",
       {{"Alba.txt", "Vacanze_Alba"}, {"Sole.txt", "Vacanze_Sole"}},
       {{"Alba.txt", "AlbaVacanze_"}, {"Sole.txt", "SoleVacanze_"}}},
      {{"Alba.txt", "Alba_bis.txt"},
       "_bis",
       {{"Alba.txt", "_bisAlba"}, {"Alba_bis.txt", "_bisAlba_bis"}},
       {}},
      {{"Sole.txt", "IlSole.txt"}, "Il", {}, {{"Sole.txt", "SoleIl"}, {"IlSole.txt", "IlSoleIl"}}},
      {{"Alba.txt", "Sole.txt"},
       "   ",
       {{"Alba.txt", "   Alba"}, {"Sole.txt", "   Sole"}},
       {{"Alba.txt", "Alba   "}, {"Sole.txt", "Sole   "}}},
      {{"a.txt", "a.jpg"},
       "\xE8",
       {{"a.txt",
         "\xE8"
         "a"},
        {"a.jpg",
         "\xE8"
         "a"}},
       {{"a.txt", "a\xE8"}, {"a.jpg", "a\xE8"}}},
  };
  for (const Case& c : cases) {
    for (const Twin& twin : kTwins) {
      AddTextDialog d(twin, c.files);
      d.type(c.text);
      const Preview& expected = twin.at_start ? c.at_start : c.at_end;
      EXPECT_EQ(d.preview(), expected) << twin.name << " " << c.text;
      EXPECT_EQ(d.can_rename(), !expected.empty()) << twin.name << " " << c.text;
      EXPECT_EQ(d.message(), "") << twin.name << " " << c.text;
      EXPECT_TRUE(d.dialog.message_boxes().empty()) << twin.name << " " << c.text;
    }
  }
}

TEST(AddTextDialog, ForbiddenCharacterAnywhereInTheTextIsRefused) {
  const std::string texts[] = {
      ":",
      "a|b",
      std::string(126, 'x') + "*",
      std::string(127, 'x') + "<",  // beyond the first 127 characters
      std::string(200, 'x') + "\"" + std::string(58, 'y'),
  };
  for (const Twin& twin : kTwins) {
    for (const std::string& text : texts) {
      AddTextDialog d(twin, {"a.txt", "b.txt"});
      d.type("ok");
      const Preview shown = d.preview();
      ASSERT_TRUE(d.can_rename());
      d.type(text);
      EXPECT_EQ(d.message(), texts::kForbiddenChars) << twin.name << " " << text.size();
      EXPECT_FALSE(d.can_rename()) << twin.name << " " << text.size();
      EXPECT_EQ(d.preview(), shown) << twin.name << " " << text.size();
    }
  }
}

TEST(AddTextDialog, ClearingTheFieldClearsARefusal) {
  for (const Twin& twin : kTwins) {
    AddTextDialog d(twin, {"a.txt", "b.txt"});
    d.type("x");
    d.type("x?");
    ASSERT_EQ(d.message(), texts::kForbiddenChars);
    d.type("");
    EXPECT_EQ(d.message(), "") << twin.name;
    EXPECT_TRUE(d.dialog.entries(twin.after()).empty()) << twin.name;
    EXPECT_FALSE(d.can_rename()) << twin.name;
  }
}

TEST(AddTextDialog, ClashAfterARefusalKeepsTheRefusalAndEmptiesThePreview) {
  for (const Twin& twin : kTwins) {
    // "x" added to "a" on either side gives the present stem of the other file.
    AddTextDialog d(twin, {"a.txt", twin.at_start ? "xa.txt" : "ax.txt"});
    d.type("x/");
    ASSERT_EQ(d.message(), texts::kForbiddenChars);
    d.type("x");
    EXPECT_EQ(d.message(), texts::kForbiddenChars) << twin.name;
    EXPECT_TRUE(d.dialog.entries(twin.after()).empty()) << twin.name;
    EXPECT_FALSE(d.can_rename()) << twin.name;
    d.type("y");
    EXPECT_EQ(d.message(), "") << twin.name;
    EXPECT_TRUE(d.can_rename()) << twin.name;
  }
}

TEST(AddTextDialog, PathLengthCheckAtTheBoundary) {
  for (const Twin& twin : kTwins) {
    AddTextDialog d(twin, {"a.txt", "b.txt"});
    // Directory, separator, one-letter stem, text, ".txt" and the terminating zero: 260 bytes.
    const std::size_t longest_text = 260 - d.directory_length() - 1 - 1 - 4 - 1;
    d.type(std::string(longest_text + 1, 'n'));
    ASSERT_EQ(d.dialog.message_boxes().size(), 1u) << twin.name;
    EXPECT_EQ(d.dialog.message_boxes()[0].text, texts::kPathTooLong);
    EXPECT_EQ(d.dialog.message_boxes()[0].caption, texts::kPathTooLongCaption);
    EXPECT_TRUE(d.dialog.entries(twin.after()).empty()) << twin.name;
    EXPECT_FALSE(d.can_rename()) << twin.name;

    const auto before = d.folder.contents();
    const std::string text(longest_text, 'n');
    d.type(text);
    EXPECT_EQ(d.dialog.message_boxes().size(), 1u) << twin.name;
    ASSERT_TRUE(d.dialog.press(twin.rename())) << twin.name;
    EXPECT_EQ(d.dialog.end_result(), 0);
    EXPECT_EQ(d.folder.contents(), (std::map<std::string, std::string>{
                                       {twin.added("a", text) + ".txt", before.at("a.txt")},
                                       {twin.added("b", text) + ".txt", before.at("b.txt")}}))
        << twin.name;
  }
}

TEST(AddTextDialog, PreviewHoldsStemsLongerThanAPathWhole) {
  for (const Twin& twin : kTwins) {
    AddTextDialog d(twin, {"0123456789.txt", "b.txt"});
    const std::string text(300, 't');  // the preview reads up to 259 characters of it
    d.type(text);
    ASSERT_EQ(d.dialog.message_boxes().size(), 1u);
    // The refused preview is not shown; build it on its own to see what it holds.
    twin.build_preview(d.dialog);
    EXPECT_EQ(d.preview(),
              (Preview{{"0123456789.txt", twin.added("0123456789", text.substr(0, 259))},
                       {"b.txt", twin.added("b", text.substr(0, 259))}}))
        << twin.name;
  }
}

TEST(AddTextDialog, AnnullaAndEscRenameNothing) {
  for (const Twin& twin : kTwins) {
    for (const ControlId command : {twin.cancel(), ControlId{kCommandCancel}}) {
      AddTextDialog d(twin, {"Alba.txt", "Sole.txt"});
      const auto before = d.folder.contents();
      d.type("new_");
      ASSERT_TRUE(d.can_rename());
      d.dialog.send_command(kCommandOk);
      EXPECT_FALSE(d.dialog.end_result().has_value());
      d.dialog.send_command(command);
      EXPECT_EQ(d.dialog.end_result(), 0);
      EXPECT_EQ(d.folder.contents(), before) << twin.name;
    }
  }
}

}  // namespace
}  // namespace veltrano
