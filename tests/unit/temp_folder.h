// A real temporary directory that a test works in: it becomes the current directory for the
// test's lifetime, its files get distinct contents, and the map of names to contents shows
// whether a rename lost or overwrote anything.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace veltrano::testing {

class TempFolder {
 public:
  // Creates the files in this order, each with contents of its own.
  explicit TempFolder(const std::vector<std::string>& file_names = {});
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  void add_file(const std::string& name, const std::string& contents);
  void add_file(const std::string& name);  // contents: "contents of " + name
  void add_directory(const std::string& name);
  void make_read_only(const std::string& name);
  bool is_read_only(const std::string& name) const;

  // Every regular file's name and contents.
  std::map<std::string, std::string> contents() const;

 private:
  std::filesystem::path previous_directory_;
  std::filesystem::path path_;
};

}  // namespace veltrano::testing
