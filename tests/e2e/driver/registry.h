// The end-to-end cases: each registers itself under its name; the runner runs them all or the
// ones named.
#pragma once

#include <string>
#include <vector>

namespace veltrano::e2e {

// What every case drives.
struct Target {
  std::string exe;  // full Windows path of veltrano.exe
};

using CaseFunction = void (*)(const Target&);

struct Case {
  const char* name;
  CaseFunction run;
};

// Cases in the order in which they were registered.
std::vector<Case>& registered_cases();

struct CaseRegistration {
  CaseRegistration(const char* name, CaseFunction run) {
    registered_cases().push_back({name, run});
  }
};

// Runs the cases named in `only` (all of them when it is empty), one line per case, then the
// totals line "N passed, N failed". Returns the process exit status: 0 when all passed.
int run_cases(const Target& target, const std::vector<std::string>& only);

}  // namespace veltrano::e2e

// Defines and registers a case: E2E_CASE(main_lists_stems) { ... uses `target` ... }
#define E2E_CASE(name)                                                             \
  static void name(const ::veltrano::e2e::Target& target);                         \
  static const ::veltrano::e2e::CaseRegistration name##_registration{#name, name}; \
  static void name([[maybe_unused]] const ::veltrano::e2e::Target& target)
