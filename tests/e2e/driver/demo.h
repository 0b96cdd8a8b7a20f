// The demo: a walk through the program's dialogs on a sample folder, saving a picture of each.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tests/e2e/driver/dialog_window.h"
#include "tests/e2e/driver/process.h"
#include "tests/e2e/driver/registry.h"

namespace veltrano::e2e {

// What a scene works with: the running program, and a camera.
class Stage {
 public:
  Stage(const Program& program, std::string exe, std::string out_dir)
      : program_(program), exe_(std::move(exe)), out_dir_(std::move(out_dir)) {}

  const Program& program() const { return program_; }
  // The program's path, for a scene that starts it again on a folder of its own.
  const std::string& exe() const { return exe_; }
  // The main dialog as it is now shown.
  DialogWindow main_dialog() const;
  // Saves the dialog as it appears on the screen to <out dir>\<picture>.bmp and names it on
  // the output.
  void capture(const DialogWindow& dialog, std::string_view picture);

 private:
  const Program& program_;
  std::string exe_;
  std::string out_dir_;
};

// A scene starts with the main dialog shown and must leave it shown.
using SceneFunction = void (*)(Stage&);

// Starts the program in `sample_folder`, plays every scene in order, ends the program. Returns 0
// when every scene played.
int run_demo(const std::string& exe, const std::string& sample_folder, const std::string& out_dir);

}  // namespace veltrano::e2e

// Defines and registers a scene: E2E_SCENE(main_dialog) { ... uses `stage` ... }
#define E2E_SCENE(name)                                                                           \
  static void name(::veltrano::e2e::Stage& stage);                                                \
  static const ::veltrano::e2e::Registration<::veltrano::e2e::SceneFunction> name##_registration{ \
      #name, name};                                                                               \
  static void name(::veltrano::e2e::Stage& stage)
