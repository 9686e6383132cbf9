#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <algorithm>

ModalAnswerer::ModalAnswerer() {
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::check);
  timer_.start(5);
}

ModalAnswerer::~ModalAnswerer() = default;

void ModalAnswerer::pressButton(const QString &text) {
  answers_.append({Kind::Button, text});
}
void ModalAnswerer::pressEscape() {
  answers_.append({Kind::Escape, {}});
}
void ModalAnswerer::closeBox() {
  answers_.append({Kind::Close, {}});
}
void ModalAnswerer::chooseFile(const QString &path) {
  answers_.append({Kind::File, path});
}
void ModalAnswerer::cancelFileDialog() {
  answers_.append({Kind::Cancel, {}});
}

// A file dialog can still be settling when it is first seen; the answer is
// repeated until the dialog has gone.
void ModalAnswerer::answerFileDialog(QFileDialog *dialog, bool choose, const QString &path,
                                     int triesLeft) {
  QPointer<QFileDialog> guard(dialog);
  QTimer::singleShot(triesLeft == 20 ? 0 : 50, this, [this, guard, choose, path, triesLeft] {
    if (!guard || !guard->isVisible() || triesLeft == 0)
      return;
    if (choose) {
      // selectFile leaves the name field alone while it has the focus.
      guard->selectFile(path);
      if (auto *name = guard->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))) {
        name->setText(path);
      }
      QMetaObject::invokeMethod(guard, "accept");
    } else {
      guard->reject();
    }
    answerFileDialog(guard, choose, path, triesLeft - 1);
  });
}

// Answers are given from the event loop, not from inside this check, so
// that a box opened by an answer (an overwrite question) is answered too.
void ModalAnswerer::check() {
  QWidget *modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible() || handled_.contains(modal))
    return;
  handled_.append(modal);
  const Answer answer = answers_.isEmpty() ? Answer{Kind::Cancel, {}} : answers_.takeFirst();
  if (auto *box = qobject_cast<QMessageBox *>(modal)) {
    Seen record{box->windowTitle(), box->text(), {}, {}, {}, {}};
    QList<QAbstractButton *> shown = box->buttons();
    for (QAbstractButton *button : shown)
      record.buttons << button->text();
    std::sort(shown.begin(), shown.end(), [box](QAbstractButton *a, QAbstractButton *b) {
      return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x();
    });
    for (QAbstractButton *button : shown)
      record.buttonsLeftToRight << button->text();
    if (box->defaultButton())
      record.defaultButton = box->defaultButton()->text();
    if (box->escapeButton())
      record.escapeButton = box->escapeButton()->text();
    seen.append(record);
    QAbstractButton *target = box->buttons().value(0);
    if (answer.kind == Kind::Button) {
      for (QAbstractButton *button : box->buttons()) {
        if (button->text() == answer.value)
          target = button;
      }
    }
    QTimer::singleShot(0, box, [box, target, kind = answer.kind] {
      if (kind == Kind::Escape) {
        QTest::keyClick(box, Qt::Key_Escape);
      } else if (kind == Kind::Close) {
        box->close();
      } else if (target) {
        target->click();
      }
    });
  } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
    fileDialogCaptions << dialog->windowTitle();
    fileDialogFilters << dialog->nameFilters().join(QStringLiteral(";;"));
    answerFileDialog(dialog, answer.kind == Kind::File, answer.value, 20);
  } else {
    QTimer::singleShot(0, modal, [modal] { modal->close(); });
  }
}
