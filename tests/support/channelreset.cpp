#include "channelreset.h"

#include "scalelink/scalechannel.h"

void resetAllChannels() {
  for (ScaleChannel &channel : scaleChannels) {
    channel.reader = nullptr;
    channel.connected = 0;
    channel.overload = 0;
    for (SharedInt &digit : channel.digits)
      digit = 0;
    channel.sign = 0;
    channel.unit = 0;
    channel.point_code = 0;
    channel.weight = 0.0;
    channel.zero_request = 0;
    channel.gross_request = 0;
    channel.tare_request = 0;
    channel.tare_weight = 0.0;
    channel.net_mode = 0;
    channel.port_name.clear();
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
