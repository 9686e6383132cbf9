// The programs' language: the desktop's (QLocale::system(), which follows
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG), when a translation of ours is
// there for it, and Qt's own dialogs in the same language; English
// otherwise. Stored texts (the logs, the workbook, the journal) and the
// monitor's warnings stay English whatever the language.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;

namespace language {

// The languages our translations cover, besides English.
const QStringList &translated();

// Where the translations are looked for: beside the program in the build
// tree (translations/), then where the package installs them.
QStringList folders();

// Installs the translators for `locale` into the application (replacing any
// installed before); returns the language used ("en" when none of ours
// fits).
QString use(const QLocale &locale = QLocale::system());

}  // namespace language
