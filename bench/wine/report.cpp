#include "bench/wine/report.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace veltrano::bench {
namespace {

std::string printed(const char* format, double value) {
  std::array<char, 64> text{};
  std::snprintf(text.data(), text.size(), format, value);
  return text.data();
}

}  // namespace

std::string format_seconds(double seconds) {
  return seconds < 1 ? printed("%.1f ms", seconds * 1000) : printed("%.2f s", seconds);
}

std::string format_count(long long count) {
  const std::string digits = std::to_string(count);
  std::string grouped;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) {
      grouped.push_back(',');
    }
    grouped.push_back(digits[i]);
  }
  return grouped;
}

void Report::add_time(const std::string& size, const std::string& measure, const Outcome& outcome,
                      std::optional<double> floor, double target_ratio, bool target_applies) {
  Row row{size,
          measure,
          outcome.seconds ? format_seconds(*outcome.seconds) : "-",
          floor ? format_seconds(*floor) : "-",
          "-",
          "-",
          "-",
          outcome.note};
  if (outcome.seconds && floor && *floor > 0) {
    const double ratio = *outcome.seconds / *floor;
    row.ratio = printed("%.2fx", ratio);
    if (target_ratio > 0) {
      row.target = printed("<= %.1fx", target_ratio);
      row.met = !target_applies ? "(info)" : ratio <= target_ratio ? "met" : "NOT MET";
    }
  } else if (target_ratio > 0) {
    row.target = printed("<= %.1fx", target_ratio);
    row.met = target_applies ? "NOT MET" : "(info)";
  }
  rows_.push_back(std::move(row));
}

void Report::add_memory(const std::string& size, std::optional<double> bytes, double target_bytes,
                        const std::string& note) {
  const double megabyte = 1024.0 * 1024.0;
  Row row{size,
          "peak memory of veltrano.exe",
          bytes ? printed("%.1f MB", *bytes / megabyte) : "-",
          "-",
          "-",
          printed("<= %.0f MB", target_bytes / megabyte),
          bytes ? (*bytes <= target_bytes ? "met" : "NOT MET") : "NOT MET",
          note};
  rows_.push_back(std::move(row));
}

void Report::print() const {
  const Row header{"files", "measure", "figure", "floor", "ratio", "target", "met", "note"};
  std::array<std::size_t, 7> widths{};
  const auto widen = [&widths](const Row& row) {
    const std::string* cells[] = {&row.size,  &row.measure, &row.figure, &row.floor,
                                  &row.ratio, &row.target,  &row.met};
    for (std::size_t i = 0; i < widths.size(); ++i) {
      widths[i] = std::max(widths[i], cells[i]->size());
    }
  };
  widen(header);
  std::for_each(rows_.begin(), rows_.end(), widen);
  const auto print_row = [&widths](const Row& row) {
    std::printf("%*s  %-*s  %*s  %*s  %*s  %-*s  %-*s  %s\n", static_cast<int>(widths[0]),
                row.size.c_str(), static_cast<int>(widths[1]), row.measure.c_str(),
                static_cast<int>(widths[2]), row.figure.c_str(), static_cast<int>(widths[3]),
                row.floor.c_str(), static_cast<int>(widths[4]), row.ratio.c_str(),
                static_cast<int>(widths[5]), row.target.c_str(), static_cast<int>(widths[6]),
                row.met.c_str(), row.note.c_str());
  };
  print_row(header);
  std::for_each(rows_.begin(), rows_.end(), print_row);
  std::fflush(stdout);
}

}  // namespace veltrano::bench
