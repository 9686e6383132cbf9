#include "app/warnings.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace warnings {

const char *const kZeroQuestion =
    "You are permanently ZERO-ing the Scale.  Process CANNOT be reversed.  Would you like to "
    "Continue?";

void show(const QString &title, const QString &text) {
  QMessageBox::warning(nullptr, title, text, QMessageBox::Ok, QMessageBox::NoButton);
}

void showSoon(QObject *context, const QString &title, const QString &text) {
  QTimer::singleShot(0, context, [title, text] { show(title, text); });
}

bool confirmZero() {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("WARNING!!!"),
                  QString::fromLatin1(kZeroQuestion), QMessageBox::NoButton, nullptr);
  QPushButton *yes = box.addButton(QStringLiteral("Yes"), QMessageBox::YesRole);
  QPushButton *no = box.addButton(QStringLiteral("No"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

}  // namespace warnings
