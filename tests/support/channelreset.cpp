#include "channelreset.h"

#include <new>

#include "scalelink/scalechannel.h"

// A channel made anew holds the values of the process's start.
void resetAllChannels() {
  for (ScaleChannel &channel : scaleChannels) {
    channel.~ScaleChannel();
    new (&channel) ScaleChannel;
  }
}

void setChannelReading(int n, const std::array<int, 7> &digits, int pointCode, int sign, int unit,
                       int connected) {
  ScaleChannel &channel = scaleChannels[n];
  for (int k = 0; k < kScaleDigits; ++k)
    channel.digits[k] = digits[k];
  channel.point_code = pointCode;
  channel.sign = sign;
  channel.unit = unit;
  channel.connected = connected;
}
