// The per-user folders of the monitor and its tools, whichever program asks:
// data under $XDG_DATA_HOME/weighstation (~/.local/share/weighstation),
// settings under $XDG_CONFIG_HOME/weighstation (~/.config/weighstation), state that
// must outlive a restore of the data under $XDG_STATE_HOME/weighstation
// (~/.local/state/weighstation).
#pragma once

#include <QString>

namespace appfolders {
QString dataFolder();
QString configFolder();
QString stateFolder();
}  // namespace appfolders
