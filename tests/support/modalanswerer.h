// Answers the modal boxes and file dialogs that a slot opens, and records
// what each box said. Arm it before triggering the slot.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

class ModalAnswerer : public QObject {
  Q_OBJECT
 public:
  struct Seen {
    QString title;
    QString text;
    QStringList buttons;             // in the order the box was given them
    QStringList buttonsLeftToRight;  // as the box shows them
    QString defaultButton;
    QString escapeButton;
  };

  ModalAnswerer();
  ~ModalAnswerer() override;

  // The answers to give, in order; without one, a box's first button is
  // pressed and a file dialog is cancelled.
  void pressButton(const QString &text);
  void pressEscape();
  void closeBox();
  void chooseFile(const QString &path);
  void cancelFileDialog();

  QList<Seen> seen;
  QStringList fileDialogCaptions;
  QStringList fileDialogFilters;

 private:
  enum class Kind { Button, Escape, Close, File, Cancel };
  struct Answer {
    Kind kind;
    QString value;
  };
  void check();
  void answerFileDialog(class QFileDialog *dialog, bool choose, const QString &path, int triesLeft);

  QList<Answer> answers_;
  QTimer timer_;
  QList<QPointer<QWidget>> handled_;
};
