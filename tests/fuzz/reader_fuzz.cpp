// Fuzzes the reader's frame handling: arbitrary bytes from the indicator, at
// arbitrary times (so reads end at arbitrary boundaries and timeouts), with
// the adapter possibly pulled, through the real reader loop on the in-memory
// adapter. Checks: digits always 0..9, point_code 0 or 1, a shown frame is
// always one complete frame of the input ("+" and six bytes that are not
// "+"), and the reader always ends.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <vector>

#include "channelreset.h"
#include "fakeadapter.h"
#include "scalelink/readerloop.h"
#include "scalelink/scalechannel.h"

namespace {
[[noreturn]] void broken(const char *what) {
  fprintf(stderr, "invariant broken: %s\n", what);
  abort();
}

void checkChannel(const ScaleChannel &channel) {
  for (const SharedInt &digit : channel.digits) {
    if (digit < 0 || digit > 9)
      broken("digit out of 0..9");
  }
  if (channel.point_code != 0 && channel.point_code != 1)
    broken("point_code not 0 or 1");
  if (channel.digits[0] != 0)
    broken("lead digit not 0");
}

using Digits = std::vector<int>;
}  // namespace

// Input: chunks of [delay][length][bytes...]; delay in 4 ms steps after the
// previous chunk's last byte; a delay byte of 0xFF pulls the adapter there.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  FakeAdapterBackend backend(1);
  resetAllChannels();
  ScaleChannel &channel = scaleChannels[0];
  channel.point_code = 1;
  FakeAdapter &adapter = backend.adapter(0);

  std::vector<uint8_t> stream;
  qint64 time = 0;
  size_t i = 0;
  while (i + 1 < size) {
    const uint8_t delay = data[i];
    const size_t length = std::min<size_t>(data[i + 1], size - i - 2);
    i += 2;
    if (delay == 0xFF) {
      adapter.unplugAt(time);
      break;
    }
    time += delay * 4;
    QByteArray chunk(reinterpret_cast<const char *>(data + i), static_cast<int>(length));
    adapter.sendAt(time, chunk);
    stream.insert(stream.end(), data + i, data + i + length);
    time += static_cast<qint64>(length);
    i += length;
  }

  // Every complete frame the input holds: "+" and six bytes after it, none
  // of them a "+".
  std::set<Digits> frames;
  for (size_t p = 0; p + 6 < stream.size(); ++p) {
    if (stream[p] != '+' || std::count(&stream[p + 1], &stream[p + 7], '+') != 0)
      continue;
    Digits d{0};
    for (size_t k = 1; k <= 6; ++k)
      d.push_back(ReaderLoop::decodeDigit(stream[p + k] & 0x7F));
    frames.insert(d);
  }

  // Look at the channel as the window would, all along the run: a shown
  // frame must be one complete frame of the input.
  auto look = [&channel, &frames] {
    checkChannel(channel);
    if (channel.point_code != 0)
      return;
    Digits shown;
    for (const SharedInt &digit : channel.digits)
      shown.push_back(digit);
    if (!frames.count(shown))
      broken("shown digits are not one complete frame of the input");
  };
  for (qint64 t = 0; t <= time + 1500; t += 7)
    adapter.at(t, look);
  adapter.at(time + 1500, [&channel] { channel.connected = 0; });

  ReaderLoop loop(channel, kReaderIdentities[0]);
  loop.run();

  look();
  if (adapter.nowMs() > time + 1500 + 1000)
    broken("reader ran past its stop");
  return 0;
}
