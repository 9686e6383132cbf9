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
  // Buttons of one role keep the order given, "Yes" left of "No", whatever
  // the desktop's button layout (GNOME's would put "No" first).
  QPushButton *yes = box.addButton(QStringLiteral("Yes"), QMessageBox::ActionRole);
  QPushButton *no = box.addButton(QStringLiteral("No"), QMessageBox::ActionRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  box.exec();
  return box.clickedButton() == yes;
}

}  // namespace warnings
