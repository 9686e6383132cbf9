#include "language/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace language {
namespace {
QTranslator *ours = nullptr;
QTranslator *qts = nullptr;

void drop(QTranslator *&translator) {
  if (!translator)
    return;
  QCoreApplication::removeTranslator(translator);
  delete translator;
  translator = nullptr;
}
}  // namespace

const QStringList &translated() {
  static const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("fr"),
                                      QStringLiteral("es"), QStringLiteral("pt_BR")};
  return kLanguages;
}

QStringList folders() {
  const QString here = QCoreApplication::applicationDirPath();
  return {here + QStringLiteral("/translations"), here + QStringLiteral("/../translations"),
          QDir::cleanPath(here + QStringLiteral("/../share/weighstation/translations"))};
}

QString use(const QLocale &locale) {
  drop(ours);
  drop(qts);
  auto *translator = new QTranslator;
  bool found = false;
  for (const QString &folder : folders()) {
    if (translator->load(locale, QStringLiteral("weighstation"), QStringLiteral("_"), folder)) {
      found = true;
      break;
    }
  }
  if (!found) {
    delete translator;
    return QStringLiteral("en");
  }
  ours = translator;
  QCoreApplication::installTranslator(ours);
  qts = new QTranslator;
  if (qts->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qts);
  else
    drop(qts);
  return ours->language();
}

}  // namespace language
