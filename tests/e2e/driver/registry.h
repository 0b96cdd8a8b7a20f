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

// A named function that registers itself before main runs: the cases here, the demo's scenes.
template <typename Function>
struct Registered {
  const char* name;
  Function run;
};

// The functions of one kind, in the order in which they were registered.
template <typename Function>
std::vector<Registered<Function>>& registered() {
  static std::vector<Registered<Function>> functions;
  return functions;
}

template <typename Function>
struct Registration {
  Registration(const char* name, Function run) { registered<Function>().push_back({name, run}); }
};

using CaseFunction = void (*)(const Target&);
using Case = Registered<CaseFunction>;

inline std::vector<Case>& registered_cases() {
  return registered<CaseFunction>();
}

// Runs the cases named in `only` (all of them when it is empty), one line per case, then the
// totals line "N passed, N failed". Returns the process exit status: 0 when all passed.
int run_cases(const Target& target, const std::vector<std::string>& only);

}  // namespace veltrano::e2e

// Defines and registers a case: E2E_CASE(main_lists_stems) { ... uses `target` ... }
#define E2E_CASE(name)                                                                           \
  static void name(const ::veltrano::e2e::Target& target);                                       \
  static const ::veltrano::e2e::Registration<::veltrano::e2e::CaseFunction> name##_registration{ \
      #name, name};                                                                              \
  static void name([[maybe_unused]] const ::veltrano::e2e::Target& target)
