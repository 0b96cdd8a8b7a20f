// The end-to-end cases: what only the real program shows, on Windows or under Wine: its templates,
// keys, message boxes, the real file system and its exit status. The rules are the unit tests'.
//   veltrano_e2e VELTRANO.EXE [CASE...]   runs the cases (all, or those named)
#include "tests/e2e/driver/driver.h"

namespace veltrano::e2e {
namespace {

// Closes a window as a user may: 0 by `button`, 1 by Esc, 2 by Enter, 3 by the close box.
void close(const Window& window, int way, int button) {
  if (way == 0) {
    return window.press(button);
  }
  way == 3 ? window.close_box() : window.key(way == 1 ? VK_ESCAPE : VK_RETURN);
}

// Each operation dialog from its button in the main dialog: caption, controls, a typed input, then
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
       {{"MIO.TXT", "mio.TXT"},
        {"Altro.doc", "altro.doc"},
        {std::string(146, 'L') + ".txt", std::string(146, 'l') + ".txt"}}}};
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
    for (const int id : {controls.before_list, controls.after_list, controls.extension_list,
                         controls.rename_button, controls.cancel_button, controls.input,
                         controls.second_input, controls.check_list, controls.message_line}) {
      check(id == 0 || dialog.has_control(id), "no control " + std::to_string(id));
    }
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
    Folder folder({"uno.txt", "due.doc"});
    Program program(exe, folder.path());
    Window main = wait_for(program, kMainCaption);
    for (const int id : {kMain.label, kMain.list, kMain.quit_button, kMain.swap_button,
                         kMain.new_functions_button}) {
      check(main.has_control(id), "no control " + std::to_string(id));
    }
    Window dialog = open_operation(program, upper);
    check(dialog.is_enabled(upper.controls.rename_button), "\"Rinomina\" is disabled");
    close(dialog, way, upper.controls.cancel_button);
    dialog.wait_closed();
    close(wait_for(program, kMainCaption), way, kMain.quit_button);
    check(program.expect_exit() == 0, "exit status not 0");
    check_equal(folder.files(), folder.after({}), "files, way " + std::to_string(way));
  }
}

// The Windows folder spelt another way: under Wine through drive Z:, where Linux keeps the prefix;
// on Windows through a junction in `folder`, removed with it.
std::wstring windows_elsewhere(const wchar_t* windows, const Folder& folder) {
  if (under_wine()) {
    const wchar_t* prefix = _wgetenv(L"WINEPREFIX");
    check(prefix != nullptr, "no Wine prefix");
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
    const auto icon = [](HWND window) { return send(window, STM_GETICON) != 0; };
    const std::vector<HWND> statics = box.children(L"Static");
    check(box.children(L"Button").size() == 1 && std::none_of(statics.begin(), statics.end(), icon),
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
  add.type(kAddAtStart.input, L"\u0141");
  add.caret(kAddAtStart.input, VK_HOME);  // 258 letters in front: the 259th character is read too
  add.type(kAddAtStart.input, std::string(258, 'x'));
  check_equal(add.text(kAddAtStart.message_line),
              "I caratteri   \\ / \" : * < > ?   non sono permessi nei nomi di file", "message");
  check(!add.is_enabled(kAddAtStart.rename_button), "\"Rinomina\" is enabled");
  add.type(kAddAtStart.input, std::string(258, '\b'));
  add.caret(kAddAtStart.input, VK_END);
  add.type(kAddAtStart.input, L"\bpi\u00F9 ");  // the refused letter rubbed out last
  add.press(kAddAtStart.rename_button);
  add.wait_closed();
  quit(program);
  check_equal(folder.files(),
              folder.after({{"citt" + a + "_001.jpg", "pi" + u + " _001.jpg"},
                            {"caff" + e + "_002.jpg", "pi" + u + " _002.jpg"},
                            {"perch" + e + "003.jpg", "pi" + u + " " + e + "003.jpg"}}),
              "files");
}

// In a folder named outside Windows-1252, beside the one spelt as Windows-1252 comes closest,
// spaces to underscores and then upper case: names that Win32 cannot make or read keep theirs,
// the others are renamed there (a change of case alone included) and nowhere else, one of them
// to the name that a best-fit conversion would read from a name that keeps its own.
void names_of_the_real_file_system(const std::string& exe) {
  wine_only("a trailing dot, a backslash and names differing in case only are made on Linux");
  const std::string lodz = "\u0141\u00F3d\u017A", latin = "L\u00F3dz";
  Folder folder({lodz + "/x y.", lodz + "/x y", lodz + "/back\\x y.txt", lodz + "/back/x y.txt",
                 lodz + "/" + lodz + " y.txt", lodz + "/" + latin + " y.txt",
                 lodz + "/\u0141\u00F3D\u0179_Y.txt", lodz + "/A.jpg", lodz + "/a.jpg",
                 lodz + "/c.jpg", latin + "/c.jpg"},
                {}, Folder::Made::on_linux);
  Program program(exe, folder.path(lodz));
  for (const OperationControls& controls : {kSpaceToUnderscore, kUpperCase}) {
    Window dialog = open_operation(program, dialog_of(controls));
    dialog.press(controls.rename_button);
    dialog.wait_closed();
  }
  quit(program);
  check_equal(folder.files(),
              folder.after({{lodz + "/" + latin + " y.txt", lodz + "/L\u00F3DZ_Y.txt"},
                            {lodz + "/c.jpg", lodz + "/C.jpg"}}),
              "files");
}

// A list scrolls sideways only as far as its names are drawn: forty "i"s fit both lists; a wide
// new name makes the after list scroll, still once it is rubbed out, while the before list stays
// without a bar.
void lists_scroll_only_past_their_width(const std::string& exe) {
  Folder folder({std::string(40, 'i') + ".txt", "mare.jpg"});
  Program program(exe, folder.path());
  const OperationControls& add = kAddAtEnd;
  Window dialog = open_operation(program, dialog_of(add));
  for (const std::string& typed : {std::string("x"), std::string(60, 'W'), std::string(60, '\b')}) {
    dialog.type(add.input, typed);
    for (const int list : {add.before_list, add.after_list}) {
      HWND window = GetDlgItem(dialog.handle(), list);
      RECT client{};
      check(GetClientRect(window, &client), "no list " + std::to_string(list));
      const LRESULT extent = send(window, LB_GETHORIZONTALEXTENT);
      const bool bar = (GetWindowLongPtrW(window, GWL_STYLE) & WS_HSCROLL) != 0;
      const bool scrolls = list == add.after_list && typed != "x";
      check(bar == scrolls && (extent > client.right) == scrolls,
            "list " + std::to_string(list) + ": extent " + std::to_string(extent) + ", width " +
                std::to_string(client.right) + (bar ? ", a bar" : ", no bar"));
    }
  }
  dialog.press(add.cancel_button);
  dialog.wait_closed();
  quit(program);
}

// A new name equal to another file's short name (Wine gives a long name one, as Windows does) is
// refused in the preview, "Rinomina" off; one letter less passes.
void short_names_are_names_held(const std::string& exe) {
  Folder folder({"relazione finale.doc", "bozza.doc"});
  WIN32_FIND_DATAW found{};
  const Owned<HANDLE, FindClose> find(
      FindFirstFileW(folder.path("relazione finale.doc").c_str(), &found));
  const std::string short_name = narrow(found.cAlternateFileName);
  check(find && short_name.find('.') != std::string::npos, "no short name");
  Program program(exe, folder.path());
  Window dialog = open_operation(program, dialog_of(kFindReplace));
  dialog.type(kFindReplace.input, "bozza");
  dialog.key(VK_TAB);
  dialog.type(kFindReplace.second_input, short_name.substr(0, short_name.rfind('.')));
  check(!dialog.is_enabled(kFindReplace.rename_button), "\"Rinomina\" is enabled");
  dialog.type(kFindReplace.second_input, "\b");
  check(dialog.is_enabled(kFindReplace.rename_button), "\"Rinomina\" is disabled");
  dialog.press(kFindReplace.cancel_button);
  dialog.wait_closed();
  quit(program);
  check_equal(folder.files(), folder.after({}), "files");
}

// "Rinomina" over 3,000 files keeps answering: a message every 100 ms answered, the window never
// hung, the caption counting up to "di 3.000"; "Annulla" clicked meanwhile changes nothing.
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
  HWND cancel = GetDlgItem(dialog.handle(), kUnderscoreToSpace.cancel_button);
  dialog.press(kUnderscoreToSpace.rename_button);
  const std::string progress = "Rinomina in corso: ", of = " di 3.000";
  std::string last_count;
  int counts = 0;
  for (;; std::this_thread::sleep_for(milliseconds(100))) {
    check(!IsHungAppWindow(dialog.handle()), "the dialog is hung");
    DWORD_PTR answer = 0;
    const bool answered =
        SendMessageTimeoutW(dialog.handle(), WM_NULL, 0, 0, SMTO_NORMAL, 2000, &answer) != 0;
    wchar_t text[256];
    const int length = GetWindowTextW(dialog.handle(), text, static_cast<int>(std::size(text)));
    const std::string caption = narrow({text, static_cast<std::size_t>(std::max(length, 0))});
    if (!dialog.is_open()) {
      break;
    }
    check(answered, "WM_NULL got no answer in 2 s");
    if (!caption.starts_with(progress)) {
      check_equal(caption, underscores.caption, "caption");
      continue;
    }
    check(caption.ends_with(of), "caption " + printable(caption));
    const std::string count =
        caption.substr(progress.size(), caption.size() - progress.size() - of.size());
    check(count.size() > last_count.size() ||
              (count.size() == last_count.size() && count >= last_count),
          "the count went back: " + caption);
    if (count != last_count && ++counts == 1) {
      send(cancel, BM_CLICK);  // its click reaches the dialog, disabled as it is
      check(IsWindowVisible(dialog.handle()), "\"Annulla\" ended the dialog");
    }
    last_count = count;
  }
  check(counts >= 2, "the caption counted " + std::to_string(counts) + " times");
  quit(program);
  check_equal(folder.files(), folder.after(renames), "files");
}

const std::pair<const char*, void (*)(const std::string& exe)> kCases[] = {
    {"each_operation_renames_on_disk", each_operation_renames_on_disk},
    {"closing_renames_nothing", closing_renames_nothing},
    {"warnings_end_the_program", warnings_end_the_program},
    {"accented_names", accented_names},
    {"names_of_the_real_file_system", names_of_the_real_file_system},
    {"lists_scroll_only_past_their_width", lists_scroll_only_past_their_width},
    {"short_names_are_names_held", short_names_are_names_held},
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
