#pragma once

#include <array>

// Puts the three scale channels back to how the process starts.
void resetAllChannels();

// Sets channel n's fields as a reader would leave them.
void setChannelReading(int n, const std::array<int, 7> &digits, int pointCode, int sign = 0,
                       int unit = 1, int connected = 1);
