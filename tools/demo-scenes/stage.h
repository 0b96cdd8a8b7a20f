// The demo: a walk through the program's dialogs on a sample folder, saving a picture of each.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/e2e/driver/driver.h"

namespace veltrano::demo {

// What a scene works with: the running program, and a camera.
class Stage {
 public:
  Stage(const e2e::Program& program, std::string exe, std::string out_dir)
      : program_(program), exe_(std::move(exe)), out_dir_(std::move(out_dir)) {}

  const e2e::Program& program() const { return program_; }
  // The program's path, for a scene that starts it again on a folder of its own.
  const std::string& exe() const { return exe_; }
  // The main dialog as it is now shown.
  e2e::Window main_dialog() const { return e2e::wait_for(program_, e2e::kMainCaption); }
  // Saves the window as it appears on the screen to <out dir>\<picture>.bmp and names it on
  // the output.
  void capture(const e2e::Window& window, std::string_view picture);

 private:
  const e2e::Program& program_;
  std::string exe_;
  std::string out_dir_;
};

// A scene starts with the main dialog shown and must leave it shown.
struct Scene {
  const char* name;
  void (*play)(Stage&);
};

// Starts the program in `sample_folder`, plays every scene in order, ends the program. Returns 0
// when every scene played.
int run_demo(const std::string& exe, const std::string& sample_folder, const std::string& out_dir,
             const std::vector<Scene>& scenes);

}  // namespace veltrano::demo
