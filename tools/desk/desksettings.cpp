#include "desksettings.h"

#include <QFileInfo>

namespace desksettings {

QString dataPath(const settings::Snapshot &read, const QString &journal) {
  const QString set = read.value(QStringLiteral("desk_data"));
  return set.isEmpty() ? QFileInfo(journal).absolutePath() + QStringLiteral("/desk.sqlite") : set;
}

desk::Rules rules(const settings::Snapshot &read, const QString &station) {
  desk::Rules rules;
  rules.station = station;
  for (const QString &name :
       read.value(QStringLiteral("desk_supervisors")).split(u',', Qt::SkipEmptyParts))
    rules.supervisors << name.trimmed();
  rules.requireRegistration = read.wholeNumber(QStringLiteral("desk_require_registration"), 0) == 1;
  rules.tareDays = int(read.wholeNumber(QStringLiteral("desk_tare_days"), 90));
  rules.firstWeighingHours = int(read.wholeNumber(QStringLiteral("desk_first_weighing_hours"), 12));
  return rules;
}

printouts::Site site(const settings::Snapshot &read) {
  printouts::Site site;
  site.name = read.value(QStringLiteral("site_name"));
  for (const char *line : {"site_address_1", "site_address_2", "site_address_3"}) {
    if (const QString text = read.value(QString::fromLatin1(line)); !text.isEmpty())
      site.address << text;
  }
  site.logo = read.value(QStringLiteral("site_logo"));
  return site;
}

}  // namespace desksettings
