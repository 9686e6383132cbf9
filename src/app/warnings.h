// The operator's warning boxes: modal, without a parent, with an upper-case
// title.
#pragma once

#include <QString>

class QObject;

namespace warnings {
// A box with one OK button and no default button.
void show(const QString &title, const QString &text);
// The same box, shown once the slot that is running now has returned (used
// inside the refresh tick, so that no tick runs inside another).
void showSoon(QObject *context, const QString &title, const QString &text);
// The zero confirmation: true for "Yes"; "No", Escape and closing give false.
bool confirmZero();

extern const char *const kZeroQuestion;
}  // namespace warnings
