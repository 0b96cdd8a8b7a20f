#include "engine/batch_rename.h"

#include "engine/list_contents.h"
#include "engine/rename_files.h"
#include "interface/texts.h"

namespace veltrano {

int rename_all(Dialog& dialog, Folder& folder, ControlId before_list, ControlId extension_list,
               ControlId after_list) {
  // The lists are read here, once: the dialog handles its messages between two renames.
  rename_files(folder, list_entries(dialog, before_list), list_entries(dialog, extension_list),
               list_entries(dialog, after_list), [&dialog](std::size_t done, std::size_t total) {
                 dialog.show_progress(done, total);
               });
  return 0;
}

NameProblem check_new_names(Dialog& dialog, const Folder& folder, ControlId check_list,
                            const std::vector<std::string>& before_stems,
                            const std::vector<std::string>& extensions,
                            const std::vector<std::string>& after_stems) {
  const std::size_t directory_length = folder.current_directory().value_or("").size();
  const NameProblem problem = find_name_problem(directory_length, before_stems, extensions,
                                                after_stems, list_entries(dialog, check_list));
  if (problem == NameProblem::kPathTooLong) {
    dialog.message_box(texts::kPathTooLong, texts::kPathTooLongCaption);
  }
  return problem;
}

}  // namespace veltrano
