#include "tests/e2e/driver/registry.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <exception>

#include "tests/e2e/driver/check.h"
#include "tests/e2e/driver/process.h"

namespace veltrano::e2e {
namespace {

// Runs one case; returns the reason it failed, or an empty string when it passed.
std::string run_case(const Case& test_case, const Target& target) {
  std::string failure;
  try {
    test_case.run(target);
  } catch (const std::exception& error) {
    failure = error.what();
  }
  // A case must leave no program running, whatever became of it.
  const int left = kill_processes_named("veltrano.exe");
  if (left > 0 && failure.empty()) {
    failure = "left " + std::to_string(left) + " veltrano.exe running";
  }
  return failure;
}

}  // namespace

int run_cases(const Target& target, const std::vector<std::string>& only) {
  const auto& cases = registered_cases();
  for (const auto& name : only) {
    if (std::none_of(cases.begin(), cases.end(),
                     [&](const Case& test_case) { return name == test_case.name; })) {
      std::printf("no case named %s\n", name.c_str());
      return 2;
    }
  }
  int passed = 0;
  int failed = 0;
  for (const auto& test_case : cases) {
    if (!only.empty() && std::find(only.begin(), only.end(), test_case.name) == only.end()) {
      continue;
    }
    const auto start = std::chrono::steady_clock::now();
    const std::string failure = run_case(test_case, target);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (failure.empty()) {
      ++passed;
      std::printf("PASS %s (%.1f s)\n", test_case.name, took.count());
    } else {
      ++failed;
      std::printf("FAIL %s (%.1f s): %s\n", test_case.name, took.count(), failure.c_str());
    }
    std::fflush(stdout);
  }
  std::printf("%d passed, %d failed\n", passed, failed);
  std::fflush(stdout);
  // A run that tested nothing proves nothing.
  return failed == 0 && passed > 0 ? 0 : 1;
}

}  // namespace veltrano::e2e
