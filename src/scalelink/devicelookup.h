// The Connect key's look-up of a scale's adapter: finds whether adapters are
// attached, and the port name the channel's port label shows.
#pragma once

#include <functional>

#include "scalelink/scalechannel.h"

struct LookupDialogs {
  const char *openFailed;  // nullptr: the operator is not told
  const char *noPortNumber;
};

extern const LookupDialogs kLookupDialogs[kScaleCount];
extern const char *const kNoDeviceDialog;

// Runs the look-up for lookup argument `index` (0..2) on behalf of `channel`.
// `warn` shows an operator warning with the given text.
void lookUpSerialDevice(int index, ScaleChannel &channel,
                        const std::function<void(const char *text)> &warn);
