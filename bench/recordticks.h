// The refresh ticks that take a record on the real window: each request
// made, the window ticked until the record is taken, the ticks that took
// one timed with the events they leave (the list's layout, the repaint).
#pragma once

#include <QCoreApplication>
#include <chrono>
#include <vector>

#include "app/mainwindow.h"

inline std::vector<double> recordTickMs(MainWindow &window, int records) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> ms;
  for (int r = 0; r < records; ++r) {
    window.recordCycle().request();
    const int before = window.recordCycle().record_count;
    while (window.recordCycle().record_count == before) {
      const auto begin = Clock::now();
      window.processLCD();
      QCoreApplication::processEvents();
      if (window.recordCycle().record_count != before)
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - begin).count());
    }
  }
  return ms;
}
