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
