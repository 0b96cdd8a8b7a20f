// The benchmark's table: each figure beside its floor, their ratio, the target and whether the
// figure meets it. Printed once, at the end.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace veltrano::bench {

// A measured time, or why there is none ("skipped (over 20 s)"); `note` may also qualify a time.
struct Outcome {
  std::optional<double> seconds;
  std::string note;
};

class Report {
 public:
  // A time against its floor. `target_ratio` 0 sets no target; otherwise the row is marked met
  // or not met when `target_applies`, and shown for information otherwise.
  void add_time(const std::string& size, const std::string& measure, const Outcome& outcome,
                std::optional<double> floor, double target_ratio, bool target_applies);
  void add_memory(const std::string& size, std::optional<double> bytes, double target_bytes,
                  const std::string& note);
  void print() const;

 private:
  struct Row {
    std::string size, measure, figure, floor, ratio, target, met, note;
  };
  std::vector<Row> rows_;
};

// "480.1 ms" below a second, "5.32 s" from there.
std::string format_seconds(double seconds);
// 1000 -> "1,000".
std::string format_count(long long count);

}  // namespace veltrano::bench
