// The per-user folders of the monitor and its tools, whichever program asks:
// data under $XDG_DATA_HOME/weighstation (~/.local/share/weighstation),
// settings under $XDG_CONFIG_HOME/weighstation (~/.config/weighstation).
#pragma once

#include <QString>

namespace appfolders {
QString dataFolder();
QString configFolder();
}  // namespace appfolders
