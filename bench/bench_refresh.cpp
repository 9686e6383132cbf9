// The refresh tick on the real form, offscreen, with three streaming scales:
// median time per tick against the 30 ms period (target: under 2%).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include "app/mainwindow.h"
#include "scalelink/scalechannel.h"

namespace {
void streamFrame(int frame) {
  for (int n = 0; n < kScaleCount; ++n) {
    ScaleChannel &channel = scaleChannels[n];
    channel.connected = 1;
    channel.unit = 1;
    channel.point_code = 0;
    const int reading = (frame * 7 + n * 1111) % 1000000;
    int rest = reading;
    for (int k = 6; k >= 1; --k) {
      channel.digits[k] = rest % 10;
      rest /= 10;
    }
    channel.digits[0] = 0;
  }
}

void BM_RefreshTick(benchmark::State &state) {
  MainWindow window;
  window.refreshTimerObject()->stop();
  window.show();
  QCoreApplication::processEvents();
  int frame = 0;
  for (auto _ : state) {
    streamFrame(++frame);
    window.processLCD();
  }
  for (ScaleChannel &channel : scaleChannels)
    channel.connected = 0;
  state.counters["share_of_30ms_period"] =
      benchmark::Counter(static_cast<double>(state.iterations()) / 0.030,
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_RefreshTick)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
}  // namespace

int main(int argc, char **argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
