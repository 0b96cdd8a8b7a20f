// veltrano_e2e: drives veltrano.exe from outside, as a user would.
//   veltrano_e2e VELTRANO.EXE [CASE...]             runs the cases (all, or those named)
//   veltrano_e2e --list                              names the cases
//   veltrano_e2e --demo VELTRANO.EXE SAMPLE OUTDIR   saves a picture of every demo scene
#include <cstdio>
#include <string>
#include <vector>

#include "tests/e2e/driver/demo.h"
#include "tests/e2e/driver/registry.h"

int main(int argc, char** argv) {
  using namespace veltrano::e2e;
  const std::vector<std::string> arguments(argv + 1, argv + argc);
  if (arguments.size() == 1 && arguments[0] == "--list") {
    for (const auto& test_case : registered_cases()) {
      std::printf("%s\n", test_case.name);
    }
    return 0;
  }
  if (arguments.size() == 4 && arguments[0] == "--demo") {
    return run_demo(arguments[1], arguments[2], arguments[3]);
  }
  if (arguments.empty() || arguments[0].starts_with("--")) {
    std::fprintf(stderr,
                 "usage: veltrano_e2e VELTRANO.EXE [CASE...]\n"
                 "       veltrano_e2e --list\n"
                 "       veltrano_e2e --demo VELTRANO.EXE SAMPLE_FOLDER OUT_FOLDER\n");
    return 2;
  }
  return run_cases(Target{arguments[0]},
                   std::vector<std::string>(arguments.begin() + 1, arguments.end()));
}
