#pragma once

// Puts the three scale channels back to how the process starts.
void resetAllChannels();
