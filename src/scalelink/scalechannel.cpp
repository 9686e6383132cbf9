#include "scalelink/scalechannel.h"

ScaleChannel scaleChannels[kScaleCount];
QMutex readout_mutex;

void applyChannelStartValues() {
  for (ScaleChannel &channel : scaleChannels) {
    channel.unit = 9;
    channel.tare_weight = 0.0;
    channel.point_code = 1;
    channel.overload = 0;
  }
}

ChannelReading ChannelReading::of(const ScaleChannel &channel) {
  ChannelReading reading;
  reading.connected = channel.connected;
  reading.overloaded = channel.overload == 1;
  for (int k = 0; k < kScaleDigits; ++k)
    reading.digits[k] = reading.overloaded ? 0 : channel.digits[k].load();
  reading.sign = channel.sign;
  reading.unit = channel.unit;
  reading.pointCode = channel.point_code;
  return reading;
}
