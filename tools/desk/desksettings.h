// The desk's settings as the weighing desk and the records command read
// them from one snapshot: its data file, its rules, and the site on their
// printouts.
#pragma once

#include <QString>

#include "desk/weighingdesk.h"
#include "settings/settings.h"
#include "viewer/printouts.h"

namespace desksettings {
// The desk_data setting, or desk.sqlite beside the journal at `journal`.
QString dataPath(const settings::Snapshot &read, const QString &journal);
desk::Rules rules(const settings::Snapshot &read, const QString &station);
// The site's name, address lines and logo.
printouts::Site site(const settings::Snapshot &read);
}  // namespace desksettings
