// The end-to-end cases: what only the real program shows, under Wine: its templates, keys,
// message boxes, the real file system and its exit status. The rules are the unit tests'.
//   veltrano_e2e VELTRANO.EXE [CASE...]   runs the cases (all, or those named)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <tuple>

#include "interface/texts.h"
#include "tests/e2e/driver/driver.h"

namespace veltrano::e2e {
namespace {

// Runs `step`; a check that fails in it names `label` first.
template <typename Step>
void labelled(const std::string& label, Step&& step) {
  try {
    step();
  } catch (const CheckFailed& failure) {
    throw CheckFailed(label + ": " + failure.what());
  }
}

// Closes a window as a user may: 0 by `button`, 1 by Esc, 2 by Enter, 3 by the close box.
void close(const Window& window, int way, int button) {
  if (way == 0) {
    window.press(button);
  } else if (way == 3) {
    window.close_box();
  } else {
    window.key(way == 1 ? VK_ESCAPE : VK_RETURN);
  }
}

// Each operation dialog, opened by its button in the main dialog: its caption and controls, a
// typed input where it has one, "Rinomina", and the files on disk (the first one read-only, as it
// stays, and LEGGIMI, which is never listed).
void each_operation_renames_on_disk(const std::string& exe) {
  const std::pair<Names, Renames> flows[] = {
      {{"b", "x"}, {{"a b.txt", "a x.txt"}, {"b b.doc", "x x.doc"}}},
      {{"3"}, {{"01 Alba.txt", "Alba.txt"}, {"02 Sole.jpg", "Sole.jpg"}}},
      {{"Foto "}, {{"mare.jpg", "Foto mare.jpg"}, {"lago.jpg", "Foto lago.jpg"}}},
      {{" bis"}, {{"mare.jpg", "mare bis.jpg"}, {"lago.jpg", "lago bis.jpg"}}},
      {{"7"}, {{"foto 1 mare.jpg", "foto 007.jpg"}, {"nota.txt", "nota.txt"}}},
      {{}, {{"a_b.txt", "a b.txt"}, {"c_d.doc", "c d.doc"}}},
      {{}, {{"a b.txt", "a_b.txt"}, {"c d.doc", "c_d.doc"}}},
      {{}, {{"MIO FILE.txt", "Mio file.txt"}, {"ALTRO.doc", "Altro.doc"}}},
      {{}, {{"mio file.txt", "Mio File.txt"}, {"altro.doc", "Altro.doc"}}},
      {{}, {{"mio.txt", "MIO.txt"}, {"Altro.doc", "ALTRO.doc"}}},
      {{}, {{"MIO.TXT", "mio.TXT"}, {"Altro.doc", "altro.doc"}}}};
  static_assert(std::size(flows) == std::size(kDialogs));
  for (std::size_t i = 0; i < std::size(flows); ++i) {
    const auto& [typed, renames] = flows[i];
    const OperationControls& controls = kDialogs[i].controls;
    labelled(kDialogs[i].caption, [&] {
      Names files{"LEGGIMI"};
      for (const auto& rename : renames)
        files.push_back(rename.first);
      Folder folder(files, {files[1]});
      Program program(exe, folder.path());
      Window dialog = open_operation(program, kDialogs[i]);
      for (const int id : {controls.before_list, controls.after_list, controls.extension_list,
                           controls.rename_button, controls.cancel_button, controls.input,
                           controls.second_input, controls.check_list, controls.message_line}) {
        check(id == 0 || dialog.has_control(id), "no control " + std::to_string(id));
      }
      for (std::size_t field = 0; field < typed.size(); ++field) {
        dialog.type(field == 0 ? controls.input : controls.second_input, typed[field]);
      }
      dialog.press(controls.rename_button);
      dialog.wait_closed();
      quit(program);
      check_equal(folder.files(), folder.after(renames), "files");
    });
  }
}

// The main dialog ends the program by its button, Esc or its close box, with status 0.
void main_dialog_quits(const std::string& exe) {
  for (const int way : {0, 1, 3}) {
    labelled("way " + std::to_string(way), [&] {
      Folder folder({"uno.txt", "due.doc"});
      Program program(exe, folder.path());
      Window main = wait_for(program, kMainCaption);
      for (const int id :
           {kMain.label, kMain.quit_button, kMain.swap_button, kMain.new_functions_button}) {
        check(main.has_control(id), "no control " + std::to_string(id));
      }
      Names listed = main.list(kMain.list);
      std::sort(listed.begin(), listed.end());
      check_equal(listed, Names{"due", "uno"}, "main list");
      close(main, way, kMain.quit_button);
      check(program.expect_exit() == 0, "exit status not 0");
      check_equal(folder.files(), folder.after({}), "files");
    });
  }
}

// Too few files, or the Windows folder: a message box alone, then the end with status 0.
void warnings_end_the_program(const std::string& exe) {
  Folder few({"unico.txt", "LEGGIMI", "setup.exe"});
  wchar_t windows[MAX_PATH];
  const UINT length = GetWindowsDirectoryW(windows, MAX_PATH);
  check(length > 0 && length < MAX_PATH, "no Windows folder");
  const std::pair<std::wstring, const char*> rows[] = {{few.path(), texts::kTooFewFiles},
                                                       {windows, texts::kSystemFolder}};
  for (const auto& [folder, message] : rows) {
    labelled(message, [&] {
      Program program(exe, folder);
      Window box = wait_for(program, texts::kAttentionCaption);
      check_equal(box.text(kMessageText), std::string(message), "message");
      check_equal(captions(program), Names{texts::kAttentionCaption}, "windows shown");
      box.press(kMessageOk);
      check(program.expect_exit() == 0, "exit status not 0");
    });
  }
  check_equal(few.files(), few.after({}), "files");
}

// "Annulla", Esc, Enter ("Annulla" is the default button) and the close box rename nothing.
void operation_dialog_closes_without_renaming(const std::string& exe) {
  Folder folder({"mio.txt", "altro.doc"});
  Program program(exe, folder.path());
  const OperationDialog& upper = dialog_of(kUpperCase);
  for (const int way : {0, 1, 2, 3}) {
    labelled("way " + std::to_string(way), [&] {
      Window dialog = open_operation(program, upper);
      check(dialog.is_enabled(upper.controls.rename_button), "\"Rinomina\" is disabled");
      close(dialog, way, upper.controls.cancel_button);
      dialog.wait_closed();
      wait_for(program, kMainCaption);
      check_equal(folder.files(), folder.after({}), "files");
    });
  }
  quit(program);
}

// Names that Win32 cannot make (a trailing dot, a backslash, two names differing in case only)
// and letters outside Windows-1252, in files and in the folder the program starts in: they keep
// their names and the others are renamed, letter case alone included.
void names_of_the_real_file_system(const std::string& exe) {
  const std::string lodz =
      "\xC5\x81\xC3\xB3"
      "d\xC5\xBA";  // with L stroke and z acute
  const std::string l_o_dz =
      "L\xC3\xB3"
      "dz";  // the letters of Windows-1252
  const std::tuple<OperationDialog, std::string, Names, Renames> rows[] = {
      {dialog_of(kUpperCase),
       "",
       {"notes.", "notes", "back\\slash.txt", "back/slash.txt", lodz + ".txt", l_o_dz + ".txt",
        "altro.txt"},
       {{"altro.txt", "ALTRO.txt"},
        {l_o_dz + ".txt",
         "L\xC3\xB3"
         "DZ.txt"}}},
      {dialog_of(kLowerCase), "", {"A.jpg", "a.jpg", "B.JPG", "c.jpg"}, {{"B.JPG", "b.JPG"}}},
      {dialog_of(kUpperCase),
       lodz,
       {lodz + "/uno.txt", lodz + "/due.txt", l_o_dz + "/tre.txt", l_o_dz + "/sei.txt"},
       {{lodz + "/uno.txt", lodz + "/UNO.txt"}, {lodz + "/due.txt", lodz + "/DUE.txt"}}}};
  for (const auto& [dialog, start, files, renames] : rows) {
    labelled(printable(files[0]), [&] {
      Folder folder(files);
      Program program(exe, folder.path(start));
      Window window = open_operation(program, dialog);
      window.press(dialog.controls.rename_button);
      window.wait_closed();
      quit(program);
      check_equal(folder.files(), folder.after(renames), "files");
    });
  }
}

struct Case {
  const char* name;
  void (*run)(const std::string& exe);
};
constexpr Case kCases[] = {
    {"each_operation_renames_on_disk", each_operation_renames_on_disk},
    {"main_dialog_quits", main_dialog_quits},
    {"warnings_end_the_program", warnings_end_the_program},
    {"operation_dialog_closes_without_renaming", operation_dialog_closes_without_renaming},
    {"names_of_the_real_file_system", names_of_the_real_file_system}};

}  // namespace
}  // namespace veltrano::e2e

int main(int argc, char** argv) {
  using namespace veltrano::e2e;
  if (argc < 2) {
    std::fprintf(stderr, "usage: veltrano_e2e VELTRANO.EXE [CASE...]\n");
    return 2;
  }
  int passed = 0, failed = 0;
  for (const Case& test : kCases) {
    if (argc > 2 && std::find(argv + 2, argv + argc, std::string(test.name)) == argv + argc) {
      continue;
    }
    const auto start = std::chrono::steady_clock::now();
    try {
      test.run(argv[1]);
      std::printf("PASS %s", test.name);
      ++passed;
    } catch (const std::exception& failure) {
      std::printf("FAIL %s: %s", test.name, failure.what());
      ++failed;
    }
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf(" (%.1f s)\n", took.count());
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  return failed == 0 && passed > 0 ? 0 : 1;  // a run that ran nothing proves nothing
}
