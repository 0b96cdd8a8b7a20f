// A fresh folder for one case, under the Windows temporary folder, removed with everything in it
// when the case ends. Names are Windows-1252 bytes.
#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veltrano::e2e {

using Names = std::vector<std::string>;
using Contents = std::map<std::string, std::string>;               // file name -> contents
using Renames = std::vector<std::pair<std::string, std::string>>;  // old name -> new name

class TestFolder {
 public:
  TestFolder();
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  // The folder's full path, without a trailing backslash.
  const std::string& path() const { return path_; }

  void add_file(std::string_view name, std::string_view contents);
  // Adds files whose contents differ from one another: each holds its own name.
  void add_files(const Names& names);
  void add_folder(std::string_view name);
  void make_read_only(std::string_view name);

  // Every entry but "." and "..", in the platform's enumeration order.
  Names names() const;
  // The stems of the entries named in `listed`, in enumeration order: what the program lists
  // when `listed` are the folder's listable files.
  Names stems_in_order(const Names& listed) const;
  // Every file's contents (sub-folders left out). Compare it before and after a rename: a lost or
  // overwritten file shows there.
  Contents contents() const;
  bool is_read_only(std::string_view name) const;

 private:
  std::string full_path(std::string_view name) const;
  DWORD attributes(std::string_view name) const;

  std::string path_;
};

// The part of a file name before its last dot.
std::string stem_of(std::string_view name);

// The contents that add_files gives the file `name`.
std::string contents_for(std::string_view name);

// What a folder holding `contents` holds after renaming: each old name's contents under its new
// name.
Contents renamed(Contents contents, const Renames& renames);

}  // namespace veltrano::e2e
