// What the program never does, whatever the folder: work in the Windows or system folder, rename a
// file through a name that the path rules read as another, strand a file whose letter case
// changes. The folders with names that Win32 cannot make are made on the Linux side.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "interface/texts.h"
#include "resources/resource_ids.h"
#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/dialogs.h"
#include "tests/e2e/driver/linux_folder.h"
#include "tests/e2e/driver/registry.h"
#include "tests/e2e/driver/test_folder.h"

namespace veltrano::e2e {
namespace {

// The Windows-1252 and UTF-8 spellings of a letter that Windows-1252 has, and two it lacks.
constexpr char kOAcute[] = "\xF3";
constexpr char kOAcuteUtf8[] = "\xC3\xB3";
constexpr char kLodzUtf8[] =
    "\xC5\x81\xC3\xB3"
    "d\xC5\xBA";  // with L stroke and z acute

// The files as `files()` lists them when every file holds its original path: each path of
// `renames` (original -> now) under its new path, sorted.
Names files_after(const Names& originals, const std::map<std::string, std::string>& renames) {
  Names lines;
  for (const auto& original : originals) {
    const auto renamed = renames.find(original);
    lines.push_back((renamed == renames.end() ? original : renamed->second) + "=" + original);
  }
  std::sort(lines.begin(), lines.end());
  return lines;
}

// Opens a fixed operation, checks its preview against the before list (every stem unchanged but
// those in `changes`), presses "Rinomina" and ends the program.
void rename_with(const Program& program, const OperationDialog& operation, std::size_t listed,
                 const std::map<std::string, std::string>& changes) {
  DialogWindow dialog = open_operation(program, operation);
  const Names before = dialog.list_entries(operation.before());
  check_equal<unsigned long>(before.size(), listed, "files listed");
  Names expected;
  for (const auto& stem : before) {
    const auto change = changes.find(stem);
    expected.push_back(change == changes.end() ? stem : change->second);
  }
  check_equal(dialog.list_entries(operation.after()), expected, "after list");
  dialog.press(operation.rename());
  dialog.wait_closed();
  quit(program);
}

}  // namespace

E2E_CASE(windows_and_system_folders_are_refused) {
  const std::pair<const char*, UINT (*)(char*, UINT)> folders[] = {
      {"the Windows folder",
       [](char* path, UINT size) { return GetWindowsDirectoryA(path, size); }},
      {"the system folder", [](char* path, UINT size) { return GetSystemDirectoryA(path, size); }},
  };
  for (const auto& [label, get_folder] : folders) {
    in_context(label, [&] {
      char folder[MAX_PATH];
      const UINT length = get_folder(folder, MAX_PATH);
      check(length > 0 && length < MAX_PATH, "cannot read the folder's path");
      Program program(target.exe, std::string(folder, length));
      DialogWindow message = wait_for_dialog(program, texts::kAttentionCaption);
      check_equal(message.message_text(), texts::kSystemFolder, "message");
      check_equal(open_dialogs(program), Names{texts::kAttentionCaption}, "windows shown");
      message.press(kMessageBoxOk);
      check_equal<DWORD>(program.expect_exit(), 0, "exit status");
    });
  }
}

E2E_CASE(names_that_the_path_rules_read_as_others_keep_their_names) {
  LinuxFolder folder;
  // "notes." would be reached as "notes", "back\slash.txt" as the file in the folder "back", and
  // the name with letters that the code page lacks as the one with substitutes.
  const Names files = {"notes.",
                       "notes",
                       "back\\slash.txt",
                       "back/slash.txt",
                       std::string(kLodzUtf8) + ".txt",
                       std::string("L") + kOAcuteUtf8 + "dz.txt",
                       "altro.txt"};
  folder.add_files(files);
  Program program(target.exe, folder.windows_path());
  rename_with(
      program, kUpperCase, 5,
      {{"altro", "ALTRO"}, {std::string("L") + kOAcute + "dz", std::string("L") + kOAcute + "DZ"}});
  check_equal(folder.files(),
              files_after(files, {{"altro.txt", "ALTRO.txt"},
                                  {std::string("L") + kOAcuteUtf8 + "dz.txt",
                                   std::string("L") + kOAcuteUtf8 + "DZ.txt"}}),
              "files");
}

E2E_CASE(a_change_of_case_never_strands_a_file) {
  LinuxFolder folder;
  const Names files = {"A.jpg", "a.jpg", "B.JPG", "c.jpg"};
  folder.add_files(files);
  Program program(target.exe, folder.windows_path());
  // "A.jpg" would take the name that "a.jpg" holds: it keeps its own.
  rename_with(program, kLowerCase, 4, {{"A", "a"}, {"B", "b"}});
  check_equal(folder.files(), files_after(files, {{"B.JPG", "b.JPG"}}), "files");
}

E2E_CASE(a_folder_named_outside_the_code_page_is_the_one_renamed) {
  LinuxFolder folder;
  const std::string lodz = std::string(kLodzUtf8) + " Foto";
  const std::string substitute = std::string("L") + kOAcuteUtf8 + "dz Foto";
  const Names files = {lodz + "/uno.txt", lodz + "/due.txt", substitute + "/tre.txt",
                       substitute + "/quattro.txt"};
  folder.add_files(files);
  Program program(target.exe, folder.windows_path(lodz));
  Names listed = wait_for_dialog(program, kMainCaption).list_entries(IDC_MAIN_LIST);
  std::sort(listed.begin(), listed.end());
  check_equal(listed, Names{"due", "uno"}, "main list");
  rename_with(program, kUpperCase, 2, {{"uno", "UNO"}, {"due", "DUE"}});
  check_equal(folder.files(),
              files_after(files, {{lodz + "/uno.txt", lodz + "/UNO.txt"},
                                  {lodz + "/due.txt", lodz + "/DUE.txt"}}),
              "files");
}

}  // namespace veltrano::e2e
