#include "app/mainwindow.h"
#include "app/applog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QDebug>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "app/mainwindowform.h"
#include "logging/textlog.h"
#include "scalelink/scalechannel.h"

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {
  form = new MainWindowForm;
  form->setupForm(this);
  form->logo->hide();
  form->listdata->setStyleSheet(QStringLiteral("background-color: beige;"));
  // Its items are one line each: with uniform sizes the list lays out a new
  // item alone instead of all items again, so a record costs the same at
  // the 100,000th item as at the first.
  form->listdata->setUniformItemSizes(true);
  form->pushButton_overlimit->setStyleSheet(QStringLiteral("background-color: green;"));
  form->pushButton_underlimit->setStyleSheet(QStringLiteral("background-color: green;"));
  for (const ScalePanelForm &scale : form->scales)
    scale.tare->hide();
  for (const ScalePanelForm &scale : form->scales)
    scale.gross->hide();
  for (ScaleChannel &channel : scaleChannels) {
    channel.zero_request = 0;
    channel.gross_request = 0;
  }

  connect(form->zero_1, &QPushButton::released, this, &MainWindow::process_zero1);
  connect(form->zero_2, &QPushButton::released, this, &MainWindow::process_zero2);
  connect(form->zero_3, &QPushButton::released, this, &MainWindow::process_zero3);
  connect(form->gross_1, &QPushButton::released, this, &MainWindow::process_gross1);
  connect(form->gross_2, &QPushButton::released, this, &MainWindow::process_gross2);
  connect(form->gross_3, &QPushButton::released, this, &MainWindow::process_gross3);
  connect(form->tare_1, &QPushButton::released, this, &MainWindow::process_tare1);
  connect(form->tare_2, &QPushButton::released, this, &MainWindow::process_tare2);
  connect(form->tare_3, &QPushButton::released, this, &MainWindow::process_tare3);
  connect(form->connect_serial, &QPushButton::released, this, &MainWindow::processCOM_serial);
  connect(form->connect_serial_2, &QPushButton::released, this, &MainWindow::processCOM_serial_2);
  connect(form->connect_serial_3, &QPushButton::released, this, &MainWindow::processCOM_serial_3);
  connect(form->recordnow, &QPushButton::released, this, &MainWindow::recordNow);
  connect(form->select_logfile, &QPushButton::released, this, &MainWindow::getPath);
  connect(form->checkBox_datalog, &QCheckBox::clicked, this, &MainWindow::process_datalogcheckbox);
  connect(form->select_excelfile, &QPushButton::released, this, &MainWindow::getPath_excel);
  connect(form->checkBox_excellog, &QCheckBox::clicked, this,
          &MainWindow::process_excellogcheckbox);

  for (QLabel *point : form->grandTotalPoints)
    point->setText(QString());
  for (const ScalePanelForm &scale : form->scales) {
    for (QLabel *point : scale.points)
      point->setText(QString());
  }

  applyChannelStartValues();

  refreshTimer = new QTimer(this);
  connect(refreshTimer, &QTimer::timeout, this, &MainWindow::processLCD);
  refreshTimer->start(kRefreshPeriodMs);
}

MainWindow::~MainWindow() {
  shutDown();
  delete form;
  form = nullptr;
}

void MainWindow::shutDown() {
  refreshTimer->stop();
  if (log_file.isOpen())
    log_file.close();
  // The event loop has ended: nothing can be shown any more.
  if (spreadsheetLog_.isRunning())
    saveSpreadsheetLogAtEnd(false);
  stopReaders();
}

void MainWindow::endFromSignal() {
  endingFromSignal_ = true;
  close();
}

// Stops every reader, connected or still opening, and waits for its run to
// end before its object goes.
void MainWindow::stopReaders() {
  for (ScaleChannel &channel : scaleChannels) {
    QThread *reader = channel.reader;
    const bool wasConnected = channel.connected == 1;
    if (wasConnected || (reader && reader->isRunning())) {
      channel.connected = 0;
      if (reader)
        reader->requestInterruption();
      if (wasConnected)
        QThread::msleep(kStopPauseMs);
    }
    if (!reader)
      continue;
    if (!reader->wait(QDeadlineTimer(3000))) {
      // Never destroy a thread that still runs: leave it to the process's end.
      qCDebug(appLog, "a scale reader did not stop in time");
      reader->setParent(nullptr);
    } else {
      delete reader;
    }
    channel.reader = nullptr;
  }
}

void MainWindow::changeEvent(QEvent *event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::LanguageChange)
    form->retranslateForm(this);
}

// A running spreadsheet log is saved before the window goes, as a stop
// would save it, so that its rows are not lost.
void MainWindow::closeEvent(QCloseEvent *event) {
  if (spreadsheetLog_.isRunning())
    saveSpreadsheetLogAtEnd(!endingFromSignal_);
  QMainWindow::closeEvent(event);
}

void MainWindow::processCOM_serial() {
  connectScale(0);
}
void MainWindow::processCOM_serial_2() {
  connectScale(1);
}
void MainWindow::processCOM_serial_3() {
  connectScale(2);
}
void MainWindow::process_zero1() {
  zeroScale(0);
}
void MainWindow::process_zero2() {
  zeroScale(1);
}
void MainWindow::process_zero3() {
  zeroScale(2);
}
void MainWindow::process_gross1() {
  grossScale(0);
}
void MainWindow::process_gross2() {
  grossScale(1);
}
void MainWindow::process_gross3() {
  grossScale(2);
}
void MainWindow::process_tare1() {
  tareScale(0);
}
void MainWindow::process_tare2() {
  tareScale(1);
}
void MainWindow::process_tare3() {
  tareScale(2);
}
