// Clocks and summaries shared by the benchmark's measures.
#pragma once

#include <chrono>
#include <vector>

namespace veltrano::bench {

using Clock = std::chrono::steady_clock;

inline double seconds_since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

template <typename Work>
double seconds_of(Work&& work) {
  const auto start = Clock::now();
  work();
  return seconds_since(start);
}

// The middle value (the mean of the two middle ones for an even count); 0 for none.
double median(std::vector<double> values);
double maximum(const std::vector<double>& values);

}  // namespace veltrano::bench
