#include "engine/batch_rename.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "engine/list_contents.h"
#include "engine/texts.h"

namespace veltrano {
namespace {

// How many temporary names a change of case tries before it gives up on the file.
constexpr int kTemporaryNameAttempts = 8;

// The lower-case form of a Windows-1252 byte, as a case-insensitive file system folds it.
unsigned char fold_case(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
    return static_cast<unsigned char>(c + 0x20);
  }
  if (c == 0x8A || c == 0x8C || c == 0x8E) {  // S, OE and Z with caron or ligature
    return static_cast<unsigned char>(c + 0x10);
  }
  if (c == 0x9F) {  // Y with diaeresis
    return 0xFF;
  }
  return c;
}

bool same_name_ignoring_case(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return fold_case(static_cast<unsigned char>(x)) ==
                  fold_case(static_cast<unsigned char>(y));
         });
}

}  // namespace

bool rename_file(Folder& folder, const std::string& old_name, const std::string& new_name) {
  if (old_name == new_name) {
    return true;
  }
  if (!same_name_ignoring_case(old_name, new_name)) {
    return folder.rename_no_replace(old_name, new_name);
  }
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    const std::string temporary = "~veltrano" + std::to_string(attempt) + ".tmp";
    if (!folder.rename_no_replace(old_name, temporary)) {
      continue;  // that temporary name is taken, or the file cannot be renamed at all
    }
    if (folder.rename_no_replace(temporary, new_name)) {
      return true;
    }
    // Give the file its old name back; should that be taken meanwhile, the file stays whole
    // under the temporary name.
    folder.rename_no_replace(temporary, old_name);
    return false;
  }
  return false;
}

int rename_all(Dialog& dialog, Folder& folder, ControlId before_list, ControlId extension_list,
               ControlId after_list) {
  // Lists out of step would pair a stem with another file's extension: rename only the files
  // that all three lists describe.
  const int count = std::min({dialog.list_count(after_list), dialog.list_count(before_list),
                              dialog.list_count(extension_list)});
  for (int i = 0; i < count; ++i) {
    const std::string extension = dialog.list_text(extension_list, i);
    const std::string old_name = dialog.list_text(before_list, i) + extension;
    const std::string new_name = dialog.list_text(after_list, i) + extension;
    // A file that stays read-only still gets its new name where the platform allows it.
    folder.make_writable(old_name);
    rename_file(folder, old_name, new_name);
  }
  return 0;
}

NameProblem find_name_problem(std::size_t directory_length,
                              const std::vector<std::string>& before_stems,
                              const std::vector<std::string>& extensions,
                              const std::vector<std::string>& after_stems) {
  const std::size_t count = before_stems.size();
  if (after_stems.size() != count || extensions.size() != count) {
    return NameProblem::kNothingToApply;
  }
  // The directory, a separator, the new stem, the extension and the terminating zero.
  for (std::size_t i = 0; i < count; ++i) {
    if (directory_length + 1 + after_stems[i].size() + extensions[i].size() + 1 >
        static_cast<std::size_t>(kPathLimit)) {
      return NameProblem::kPathTooLong;
    }
  }
  std::unordered_map<std::string_view, int> present_stems;
  present_stems.reserve(count);
  for (const std::string& stem : before_stems) {
    ++present_stems[stem];
  }
  for (std::size_t i = 0; i < count; ++i) {
    const auto found = present_stems.find(after_stems[i]);
    if (found == present_stems.end()) {
      continue;
    }
    // A file that keeps its own stem does not clash with itself.
    const int held_by_others = found->second - (after_stems[i] == before_stems[i] ? 1 : 0);
    if (held_by_others > 0) {
      return NameProblem::kClash;
    }
  }
  return NameProblem::kNone;
}

int check_new_stems(Dialog& dialog, const Folder& folder, ControlId check_list,
                    ControlId extension_list, const std::vector<std::string>& before_stems,
                    const std::vector<std::string>& after_stems) {
  // The check list holds the dialog's working copy of the present stems, made anew at every
  // check; the comparison itself uses the stems already in hand rather than reading them back.
  fill_list(dialog, check_list, before_stems);
  const std::size_t directory_length = folder.current_directory().value_or("").size();
  const NameProblem problem = find_name_problem(directory_length, before_stems,
                                                list_entries(dialog, extension_list), after_stems);
  if (problem == NameProblem::kPathTooLong) {
    dialog.message_box(texts::kPathTooLong, texts::kPathTooLongCaption);
  }
  return problem == NameProblem::kNone ? 1 : 0;
}

int check_new_names(Dialog& dialog, const Folder& folder, ControlId before_list,
                    ControlId after_list, ControlId check_list, ControlId extension_list) {
  return check_new_stems(dialog, folder, check_list, extension_list,
                         list_entries(dialog, before_list), list_entries(dialog, after_list));
}

}  // namespace veltrano
