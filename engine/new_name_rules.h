// The rules on new names that make sure a preview can be applied whole: no two files given one
// name, no file given the name of another entry, no device name; names compared as Windows
// compares them. Pure: it works on the lists the caller already holds.
#pragma once

#include <string>
#include <vector>

namespace veltrano {

// A path, its terminating zero included, must fit in this many bytes.
inline constexpr int kPathLimit = 260;

// True when some file whose name changes (new stem i differs from present stem i) would get a
// device name, the new name of another file, or the present name of another listed file or of
// an entry in `other_names` (the folder's entries that are not listed), letter case aside. A file
// that only changes the letter case of its own name does not collide with itself.
bool new_names_collide(const std::vector<std::string>& before_stems,
                       const std::vector<std::string>& extensions,
                       const std::vector<std::string>& after_stems,
                       const std::vector<std::string>& other_names);

// What is wrong with a set of new stems, if anything.
enum class NameProblem { kNone, kPathTooLong, kClash, kNothingToApply };

// `directory_length` is the length of the current directory's path. New stem i clashes when it
// equals (byte for byte) the present stem of another file j != i, or when the new names collide
// (new_names_collide) with each other, with the listed files or with `other_names`, the names of
// the folder's entries that are not listed.
NameProblem find_name_problem(std::size_t directory_length,
                              const std::vector<std::string>& before_stems,
                              const std::vector<std::string>& extensions,
                              const std::vector<std::string>& after_stems,
                              const std::vector<std::string>& other_names = {});

}  // namespace veltrano
