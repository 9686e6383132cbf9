// How the figure programs print: one line per figure, as a ratio to its
// limit or baseline measured in the same run.
#pragma once

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

inline double percentile(std::vector<double> v, double p) {
  if (v.empty())
    return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(p * v.size()))];
}

inline void line(const char *what, double value, const char *unit, double limit,
                 const char *limitText) {
  std::printf("%-52s %10.3f %-4s  limit %9.3f %-4s ratio %6.3f  (%s)\n", what, value, unit, limit,
              unit, value / limit, limitText);
}

// This process's resident memory in kB (VmRSS).
inline long residentKb() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmRSS:") {
      long kb = 0;
      status >> kb;
      return kb;
    }
    status.ignore(1 << 12, '\n');
  }
  return 0;
}
