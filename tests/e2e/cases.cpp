// The end-to-end cases: what only the real program shows, on Windows or under Wine: its templates,
// keys, message boxes, the real file system and its exit status. The rules are the unit tests'.
//   veltrano_e2e VELTRANO.EXE [CASE...]   runs the cases (all, or those named)
#include <regex>

#include "tests/e2e/driver/driver.h"

namespace veltrano::e2e {
namespace {

// Each operation dialog from its button in the main dialog: caption, a typed input, then
// "Rinomina" and the files (the first read-only, as it stays; LEGGIMI never listed).
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
      {{},
       {{"MIO.TXT", "mio.TXT"}, {std::string(146, 'L') + ".doc", std::string(146, 'l') + ".doc"}}}};
  static_assert(std::size(flows) == std::size(kDialogs));
  for (std::size_t i = 0; i < std::size(flows); ++i) {
    const auto& [typed, renames] = flows[i];
    const OperationControls& controls = kDialogs[i].controls;
    Names files{"LEGGIMI"};
    for (const auto& rename : renames) {
      files.push_back(rename.first);
    }
    Folder folder(files, {files[1]});
    Program program(exe, folder.path());
    Window dialog = open_operation(program, kDialogs[i]);
    for (std::size_t field = 0; field < typed.size(); ++field) {
      if (field == 1) {
        dialog.key(VK_TAB);
      }
      dialog.type(field == 0 ? controls.input : controls.second_input, typed[field]);
    }
    dialog.press(controls.rename_button);
    dialog.wait_closed();
    quit(program);
    check_equal(folder.files(), folder.after(renames), kDialogs[i].caption);
  }
}

// An operation dialog with "Rinomina" enabled, then the main dialog, each closed by its own button,
// Esc, Enter (which reaches that button, the default) or the close box: nothing renamed, status 0.
void closing_renames_nothing(const std::string& exe) {
  const OperationDialog& upper = dialog_of(kUpperCase);
  for (const int way : {0, 1, 2, 3}) {
    const auto close = [way](const Window& window, int button) {
      way == 0   ? window.press(button)
      : way == 3 ? check(PostMessageW(window.handle(), WM_SYSCOMMAND, SC_CLOSE, 0), "no close box")
                 : window.key(way == 1 ? VK_ESCAPE : VK_RETURN);
    };
    Folder folder({"uno.txt", "due.doc"});
    Program program(exe, folder.path());
    Window dialog = open_operation(program, upper);
    check(dialog.is_enabled(upper.controls.rename_button), "\"Rinomina\" is disabled");
    close(dialog, upper.controls.cancel_button);
    dialog.wait_closed();
    close(wait_for(program, kMainCaption), kMain.quit_button);
    check(program.expect_exit() == 0, "exit status not 0");
    check_equal(folder.files(), folder.after({}), "files, way " + std::to_string(way));
  }
}

// The Windows folder spelt another way: under Wine (tools/run-e2e names its prefix) through drive
// Z:, where Linux keeps the prefix; on Windows through a junction in `folder`, removed with it.
std::wstring windows_elsewhere(const wchar_t* windows, const Folder& folder) {
  if (const wchar_t* prefix = _wgetenv(L"WINEPREFIX")) {
    std::wstring path = L"Z:" + std::wstring(prefix) + L"\\drive_c\\windows";
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
  }
  const Program mklink("cmd.exe", folder.path(),
                       "/c mklink /J windows \"" + narrow(windows, CP_UTF8) + "\" >nul");
  check(mklink.expect_exit() == 0, "cannot make a junction to the Windows folder");
  return folder.path("windows");
}

// Too few files, or a Windows folder however spelt: a message box alone, then the end with status
// 0. The guard is tested before the folder is listed, and its message is not the one for too few.
void warnings_end_the_program(const std::string& exe) {
  Folder few({"unico.txt", "LEGGIMI", "setup.exe"});
  wchar_t windows[MAX_PATH], wow64[MAX_PATH];
  const auto read = [](auto length) { return length > 0 && length < MAX_PATH; };
  check(read(GetWindowsDirectoryW(windows, MAX_PATH)), "no Windows folder");
  check(read(GetSystemWow64DirectoryW(wow64, MAX_PATH)), "no 32-bit system folder");
  const Folder links({});
  const std::string too_few = "Troppo pochi files da rinominare",
                    system =
                        "Veltrano non pu\xF2 lavorare nella cartella di Windows\no in quella "
                        "di sistema:\navviarlo nella cartella dei file da rinominare";
  const std::pair<std::wstring, std::string> rows[] = {{few.path(), too_few},
                                                       {windows, system},
                                                       {L"C:\\WINDOWS\\SYSTEM32", system},
                                                       {wow64, system},
                                                       {windows_elsewhere(windows, links), system}};
  for (const auto& [folder, message] : rows) {
    Program program(exe, folder);
    Window box = wait_for(program, "ATTENZIONE!");
    check_equal(box.text(kMessageText), message, narrow(folder));
    check(windows_of(program).size() == 1, "the message box is not alone");
    // Only "OK", no icon; owned by the main dialog, which is there to own it once listing began.
    const auto any = [](HWND) { return true; };
    const auto icon = [](HWND window) { return send(window, STM_GETICON) != 0; };
    check(box.count_children(L"Button", any) == 1 && box.count_children(L"Static", icon) == 0,
          "a button besides \"OK\", or an icon");
    check((GetWindow(box.handle(), GW_OWNER) != nullptr) == (message == too_few), "its owner");
    box.press(IDOK);
    check(program.expect_exit() == 0, "exit status not 0");
  }
  check_equal(few.files(), few.after({}), "files");
}

// Accented names and typed letters, the same on every ANSI code page (the run is repeated under
// others): the numbers' message with its "\xE8", the first five letters cut whole, a letter that
// Windows-1252 lacks refused, also as the last of 259 characters, an accented letter typed into
// new names.
void accented_names(const std::string& exe) {
  const std::string a = "\u00E0", e = "\u00E9", u = "\u00F9";  // as the Linux names spell them
  Folder folder({"citt" + a + "_001.jpg", "caff" + e + "_002.jpg", "perch" + e + "003.jpg"});
  Program program(exe, folder.path());
  const OperationControls& renumber = kRenumber.frame;
  Window numbers = open_operation(program, dialog_of(renumber));
  numbers.type(renumber.input, "99999");  // the fifth digit refused
  check_equal(numbers.text(renumber.input), "9999", "\"Inizia da\"");
  check_equal(numbers.text(renumber.message_line), "Il numero delle cifre \xE8 basso", "message");
  numbers.press(renumber.cancel_button);
  numbers.wait_closed();
  Window cut = open_operation(program, dialog_of(kDeleteFirstChars));
  cut.type(kDeleteFirstChars.input, "5");
  cut.press(kDeleteFirstChars.rename_button);
  cut.wait_closed();
  Window add = open_operation(program, dialog_of(kAddAtStart));
  add.type(kAddAtStart.input, L"\u0141");  // refused from the first key: no preview of long names
  HWND field = GetDlgItem(add.handle(), kAddAtStart.input);
  send(field, EM_SETSEL);  // 258 letters in front: the 259th character is read too
  add.type(kAddAtStart.input, std::string(258, 'x'));
  check_equal(add.text(kAddAtStart.message_line),
              "I caratteri   \\ / \" : * < > ?   non sono permessi nei nomi di file", "message");
  check(!add.is_enabled(kAddAtStart.rename_button), "\"Rinomina\" is enabled");
  add.type(kAddAtStart.input, std::string(258, '\b'));
  send(field, EM_SETSEL, 1);  // the refused letter selected, and typed over
  add.type(kAddAtStart.input, "pi\xF9 ");
  add.press(kAddAtStart.rename_button);
  add.wait_closed();
  quit(program);
  check_equal(folder.files(),
              folder.after({{"citt" + a + "_001.jpg", "pi" + u + " _001.jpg"},
                            {"caff" + e + "_002.jpg", "pi" + u + " _002.jpg"},
                            {"perch" + e + "003.jpg", "pi" + u + " " + e + "003.jpg"}}),
              "files");
}

// Find and replace: "x" for "bozza" leaves both lists without a bar; a wide new name makes the
// after list scroll, still once rubbed out, the before list not. Another file's short name (Wine
// gives one, as Windows does) is refused as a new name, "Rinomina" off; one letter less passes.
void previews_see_the_real_lists_and_names(const std::string& exe) {
  Folder folder({std::string(40, 'i') + ".txt", "relazione finale.doc", "bozza.doc"});
  WIN32_FIND_DATAW found{};
  const Owned<HANDLE, FindClose> find(
      FindFirstFileW(folder.path("relazione finale.doc").c_str(), &found));
  const std::string short_name = narrow(found.cAlternateFileName);
  check(find && short_name.find('.') != std::string::npos, "no short name");
  Program program(exe, folder.path());
  const OperationControls& replace = kFindReplace;
  Window dialog = open_operation(program, dialog_of(replace));
  dialog.type(replace.input, "bozza");
  dialog.key(VK_TAB);
  for (const std::string& typed : {std::string("x"), std::string(30, 'W'), std::string(30, '\b')}) {
    dialog.type(replace.second_input, typed);
    for (const int list : {replace.before_list, replace.after_list}) {
      HWND window = GetDlgItem(dialog.handle(), list);
      RECT client{};
      check(GetClientRect(window, &client), "no list " + std::to_string(list));
      const LRESULT extent = send(window, LB_GETHORIZONTALEXTENT);
      const bool bar = (GetWindowLongPtrW(window, GWL_STYLE) & WS_HSCROLL) != 0;
      const bool scrolls = list == replace.after_list && typed != "x";
      check(bar == scrolls && (extent > client.right) == scrolls,
            "list " + std::to_string(list) + ": extent " + std::to_string(extent) +
                (bar ? ", a bar" : ""));
    }
  }
  dialog.type(replace.second_input, "\b" + short_name.substr(0, short_name.rfind('.')));
  check(!dialog.is_enabled(replace.rename_button), "\"Rinomina\" is enabled");
  dialog.type(replace.second_input, "\b");
  check(dialog.is_enabled(replace.rename_button), "\"Rinomina\" is disabled");
  dialog.press(replace.cancel_button);
  dialog.wait_closed();
  quit(program);
  check_equal(folder.files(), folder.after({}), "files");
}

// "Rinomina" over 3,000 files keeps answering: a message every 100 ms answered in 2 s, the caption
// counting up to "di 3.000"; "Annulla" clicked meanwhile changes nothing.
void long_rename_answers(const std::string& exe) {
  Names files;
  Renames renames;
  for (int i = 10000; i < 13000; ++i) {
    files.push_back("foto_" + std::to_string(i) + ".jpg");
    renames.emplace_back(files.back(), "foto " + std::to_string(i) + ".jpg");
  }
  const Folder folder(files);
  Program program(exe, folder.path());
  const OperationDialog& underscores = dialog_of(kUnderscoreToSpace);
  Window dialog = open_operation(program, underscores);
  dialog.press(kUnderscoreToSpace.rename_button);
  // A file that takes the last file's new name during the rename: never replaced, it stays whole.
  const std::string taken = renames.back().second;
  renames.pop_back();
  const std::regex progress("Rinomina in corso: (?:(\\d)\\.)?(\\d{1,3}) di 3\\.000");
  long last = -1, counts = 0;
  for (;; std::this_thread::sleep_for(milliseconds(100))) {
    const bool answered =
        SendMessageTimeoutW(dialog.handle(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, nullptr) != 0;
    const std::string caption = caption_of(dialog.handle());
    std::smatch count;
    if (!dialog.is_open()) {
      break;
    }
    check(answered && !IsHungAppWindow(dialog.handle()), "WM_NULL got no answer in 2 s, or hung");
    if (caption == underscores.caption) {
      continue;
    }
    check(std::regex_match(caption, count, progress), "caption " + printable(caption));
    const long now = std::stol(count[1].str() + count[2].str());  // "1.234" read as 1234
    check(now >= last, "the count went back: " + caption);
    if (now != last && ++counts == 1) {  // its click reaches the dialog, disabled as it is
      std::ofstream(std::filesystem::path(folder.path(taken)), std::ios::binary) << taken;
      send(GetDlgItem(dialog.handle(), kUnderscoreToSpace.cancel_button), BM_CLICK);
      check(IsWindowVisible(dialog.handle()), "\"Annulla\" ended the dialog");
    }
    last = now;
  }
  check(counts >= 2, "the caption counted " + std::to_string(counts) + " times");
  quit(program);
  files.push_back(taken);
  check_equal(folder.files(), renamed(files, {}, renames), "files");
}

// Under Wine, a Linux folder named outside Windows-1252, beside its best-fit twin; spaces to
// underscores, upper case: names Win32 cannot make (trailing dot, backslash, case variants) or read
// keep theirs; others are renamed there only, one to the best-fit reading of a kept name.
void names_of_the_real_file_system(const std::string& exe) {
  wine_only("a trailing dot, a backslash and names differing in case only are made on Linux");
  const std::string folder = "/tmp/" + unique_name(), l = "L\u00F3dz/", o = "\u0141\u00F3d\u017A/";
  Names files = {l + "c.jpg"};
  std::string script = "mkdir -p " + folder + "/" + o + "back " + folder + "/" + l;
  for (const char* name :
       {"c.jpg", "x y.", "A.jpg", "a.jpg", "back/x y.txt", "back\\x y.txt", "L\u00F3dz y.txt",
        "\u0141\u00F3D\u0179_Y.txt", "\u0141\u00F3d\u017A y.txt"}) {
    files.push_back(o + name);
  }
  for (const std::string& file : files) {
    script += " && printf %s '" + file + "' >'" + folder + "/" + file + "'";
  }
  run_shell(script);
  Program program(exe, widen("Z:" + folder + "/" + o, CP_UTF8));
  for (const OperationControls& controls : {kSpaceToUnderscore, kUpperCase}) {
    Window dialog = open_operation(program, dialog_of(controls));
    dialog.press(controls.rename_button);
    dialog.wait_closed();
  }
  quit(program);
  check_equal(
      run_shell("cd " + folder + " && grep -r . | sed s/:/=/ | LC_ALL=C sort && rm -r " + folder),
      renamed(files, {},
              {{o + "c.jpg", o + "C.jpg"}, {o + "L\u00F3dz y.txt", o + "L\u00F3DZ_Y.txt"}}),
      "files");
}

const std::pair<const char*, void (*)(const std::string& exe)> kCases[] = {
    {"each_operation_renames_on_disk", each_operation_renames_on_disk},
    {"closing_renames_nothing", closing_renames_nothing},
    {"warnings_end_the_program", warnings_end_the_program},
    {"accented_names", accented_names},
    {"names_of_the_real_file_system", names_of_the_real_file_system},
    {"previews_see_the_real_lists_and_names", previews_see_the_real_lists_and_names},
    {"long_rename_answers", long_rename_answers}};

}  // namespace
}  // namespace veltrano::e2e

// veltrano.exe's path, full or relative to the folder this runs in, is read in UTF-16: in any
// letters.
int wmain(int argc, wchar_t** argv) {
  using namespace veltrano::e2e;
  if (argc < 2) {
    return 2;
  }
  std::printf("ANSI code page %u\n", GetACP());
  int passed = 0, failed = 0, skips = 0;
  for (const auto& [name, run] : kCases) {
    if (argc > 2 && std::find(argv + 2, argv + argc, widen(name)) == argv + argc) {
      continue;
    }
    try {
      run(narrow(argv[1], CP_UTF8));
      std::printf("PASS %s\n", name);
      ++passed;
    } catch (const Skipped& skipped) {
      std::printf("SKIP %s: %s\n", name, skipped.reason.c_str());
      ++skips;
    } catch (const std::exception& failure) {
      std::printf("FAIL %s: %s\n", name, failure.what());
      ++failed;
    }
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed, %d skipped\n", passed, failed, skips);
  return failed == 0 && passed > 0 ? 0 : 1;  // a run that ran nothing proves nothing
}
