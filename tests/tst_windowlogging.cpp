// Records through the window: the slots' warnings, the file choices, the
// bytes of the text log, the workbook, and the mended failure paths.
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "channelreset.h"
#include "logging/textlog.h"
#include "modalanswerer.h"
#include "scalelink/scalechannel.h"
#include "xlsxreader.h"

using Digits7 = std::array<int, 7>;

namespace {

QByteArray fileBytes(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

struct StyleChanges : QObject {
  int count = 0;
  bool eventFilter(QObject *, QEvent *event) override {
    count += event->type() == QEvent::StyleChange;
    return false;
  }
};

QByteArray header(const MainWindow *window) {
  const StationState &state = window->station().state();
  return "\r\n" + state.time_text.toLatin1() + ", " + state.date_text.toLatin1() +
         "\r\nScale#, Unit, Gross, Net, Tare\r\n";
}
}  // namespace

class WindowLoggingTest : public QObject {
  Q_OBJECT
 private:
  MainWindow *window = nullptr;
  MainWindowForm *form = nullptr;
  QTemporaryDir dir;

  void chooseTextLog(const QString &path, bool confirmOverwrite = false) {
    ModalAnswerer answerer;
    answerer.chooseFile(path);
    if (confirmOverwrite)
      answerer.pressButton("&Yes");
    window->getPath();
    QCOMPARE(answerer.fileDialogCaptions, QStringList{"Choose a file to open"});
    QCOMPARE(answerer.fileDialogFilters, QStringList{"Text files (*.txt)"});
  }
  void startTextLog() { form->checkBox_datalog->click(); }
  void chooseSpreadsheet(const QString &path, bool confirmOverwrite = false) {
    ModalAnswerer answerer;
    answerer.chooseFile(path);
    if (confirmOverwrite)
      answerer.pressButton("&Yes");
    window->getPath_excel();
    QCOMPARE(answerer.fileDialogCaptions, QStringList{"Choose an excel file to open"});
  }
  // Starts the spreadsheet log on `book` and the text log, and takes a
  // record of 42.
  void startSpreadsheetWithARecord(const QString &book) {
    chooseSpreadsheet(book);
    form->checkBox_excellog->click();
    chooseTextLog(dir.filePath("beside-" + QFileInfo(book).completeBaseName() + ".txt"));
    startTextLog();
    setChannelReading(0, {0, 0, 0, 0, 0, 4, 2}, 0);
    record();
  }
  // Presses record-now and runs the ticks until the record is taken.
  void record() {
    const int before = window->recordCycle().record_count;
    window->recordNow();
    for (int i = 0; i < 100 && window->recordCycle().record_count == before; ++i)
      window->processLCD();
    QCOMPARE(window->recordCycle().record_count, before + 1);
  }

 private Q_SLOTS:
  void init() {
    resetAllChannels();
    window = new MainWindow;
    window->refreshTimerObject()->stop();
    form = window->formRecord();
    form->sense_spinBox->setValue(1);
  }
  void cleanup() {
    delete window;
    window = nullptr;
  }

  void warningsOfTheSlots() {
    ModalAnswerer answerer;
    window->recordNow();
    QCOMPARE(window->recordCycle().record_now_request, 0);
    form->checkBox_datalog->click();
    QVERIFY(!form->checkBox_datalog->isChecked());
    form->checkBox_excellog->click();
    QVERIFY(!form->checkBox_excellog->isChecked());
    QCOMPARE(answerer.seen.size(), 3);
    QCOMPARE(answerer.seen[0].text,
             QString("Must Select a File to Save and Check Start Text File Log!!!"));
    QCOMPARE(answerer.seen[1].text, QString("Must select a file name first!!!"));
    QCOMPARE(answerer.seen[2].text, QString("Must select a file name first!!!"));
    for (const auto &box : answerer.seen) {
      QCOMPARE(box.title, QString("WARNING"));
      QCOMPARE(box.buttons, QStringList{"OK"});
    }
  }

  void fileChoiceIsRefusedWhileALogRuns() {
    chooseTextLog(dir.filePath("a.txt"));
    startTextLog();
    chooseSpreadsheet(dir.filePath("a.xlsx"));
    form->checkBox_excellog->click();
    ModalAnswerer answerer;
    window->getPath();
    window->getPath_excel();
    QCOMPARE(answerer.fileDialogCaptions, QStringList{});
    QCOMPARE(answerer.seen.size(), 2);
    QCOMPARE(answerer.seen[0].text,
             QString("Start Text File Log Check Box Must be De-selected First!!!"));
    QCOMPARE(answerer.seen[1].text,
             QString("Start Excel File Log Check Box Must be De-selected First!!!"));
    QCOMPARE(window->logFileName(), dir.filePath("a.txt"));
  }

  void cancelledDialogClearsTheName() {
    chooseTextLog(dir.filePath("b.txt"));
    QCOMPARE(form->logfilename->text(), dir.filePath("b.txt"));
    ModalAnswerer answerer;
    answerer.cancelFileDialog();
    window->getPath();
    QCOMPARE(form->logfilename->text(), QString());
    QVERIFY(window->logFileName().isEmpty());
  }

  void recordWithTwoChannels() {
    const QString path = dir.filePath("two.txt");
    chooseTextLog(path);
    startTextLog();
    setChannelReading(0, {0, 0, 0, 1, 2, 3, 4}, 0);
    setChannelReading(1, {0, 0, 0, 0, 1, 0, 0}, 0);
    record();
    QCOMPARE(fileBytes(path), header(window) +
                                  "GROSS TOTAL, lbs, 1334\r\n01, lbs, 1234, 1234, 0\r\n"
                                  "02, lbs, 100, 100, 0\r\n");
    QCOMPARE(form->listdata->count(), 1);
    QCOMPARE(form->listdata->item(0)->text(), QString("GROSS TOTAL, lbs, 1334"));
    QCOMPARE(form->total_count->text(), QString("1"));
    QCOMPARE(form->pushButton_overlimit->styleSheet(), QString("background-color: green;"));
  }

  void recordWithThreeChannelsNegativeTotalAndTare() {
    const QString path = dir.filePath("three.txt");
    chooseTextLog(path);
    startTextLog();
    setChannelReading(0, {0, 0, 0, 0, 0, 0, 9}, 0, 1);
    setChannelReading(1, {0, 0, 0, 0, 0, 0, 2}, 0);
    setChannelReading(2, {0, 0, 0, 0, 0, 0, 1}, 0);
    scaleChannels[1].tare_weight = 20.0;
    record();
    QCOMPARE(fileBytes(path), header(window) +
                                  "GROSS TOTAL, lbs, -6\r\n01, lbs, -9, -9, 0\r\n"
                                  "02, lbs, 22, 2, 20\r\n03, lbs, 1, 1, 0\r\n");
  }

  void unitsNotYetKnown() {
    const QString path = dir.filePath("unknown.txt");
    chooseTextLog(path);
    startTextLog();
    setChannelReading(0, {0, 0, 0, 0, 0, 0, 0}, 1, 0, 9, 1);
    record();
    QCOMPARE(fileBytes(path), header(window) + "GROSS TOTAL, ??, 0\r\n01, ??, 0, 0, 0\r\n");
  }

  void restartingTheLogEmptiesTheFile() {
    const QString path = dir.filePath("restart.txt");
    chooseTextLog(path);
    startTextLog();
    setChannelReading(0, {0, 0, 0, 0, 0, 0, 7}, 0);
    record();
    form->checkBox_datalog->click();  // stop
    QVERIFY(!log_file.isOpen());
    startTextLog();
    QCOMPARE(fileBytes(path), QByteArray());
    for (int i = 0; i < 3; ++i)
      window->processLCD();  // unlatch needs the load off or a request
    record();
    QCOMPARE(fileBytes(path).count("Scale#"), 1);
  }

  void limitLamps() {
    chooseTextLog(dir.filePath("lamps.txt"));
    startTextLog();
    form->overlimit->setText("100");
    setChannelReading(0, {0, 0, 0, 0, 1, 5, 0}, 0);
    window->recordNow();
    window->processLCD();
    window->processLCD();
    QCOMPARE(form->pushButton_overlimit->styleSheet(), QString("background-color: red;"));
    QCOMPARE(form->pushButton_underlimit->styleSheet(), QString("background-color: green;"));
    QCOMPARE(window->recordCycle().record_count, 0);
    // A request waiting on a broken limit re-checks for ever; a lamp that
    // keeps its colour is not given its style sheet again.
    StyleChanges changes;
    form->pushButton_overlimit->installEventFilter(&changes);
    form->pushButton_underlimit->installEventFilter(&changes);
    for (int i = 0; i < 10; ++i)
      window->processLCD();
    QCOMPARE(changes.count, 0);
    setChannelReading(0, {0, 0, 0, 0, 0, 8, 0}, 0);
    window->processLCD();
    window->processLCD();
    QCOMPARE(window->recordCycle().record_count, 1);
    QCOMPARE(form->pushButton_overlimit->styleSheet(), QString("background-color: green;"));
  }

  void logThatCannotBeOpenedIsReported() {
    chooseTextLog(dir.filePath("missing/folder.txt"));
    ModalAnswerer answerer;
    startTextLog();
    QVERIFY(!form->checkBox_datalog->isChecked());
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QString("WARNING"));
    QVERIFY(answerer.seen[0].text.startsWith("Cannot Open Text Log File"));
    QVERIFY(answerer.seen[0].text.endsWith("!!!"));
  }

  void failedWriteStopsTheLogAfterTheTick() {
    const QString full = dir.filePath("full.txt");
    QVERIFY(QFile::link("/dev/full", full));
    chooseTextLog(full, true);
    startTextLog();
    QVERIFY(form->checkBox_datalog->isChecked());
    ModalAnswerer answerer;
    setChannelReading(0, {0, 0, 0, 0, 0, 0, 7}, 0);
    window->recordNow();
    window->processLCD();
    window->processLCD();
    QCOMPARE(window->recordCycle().record_count, 1);
    QVERIFY(answerer.seen.isEmpty());  // not inside the tick
    QVERIFY(!form->checkBox_datalog->isChecked());
    QVERIFY(!log_file.isOpen());
    QTRY_COMPARE(answerer.seen.size(), 1);
    QVERIFY(answerer.seen[0].text.startsWith("Text File Log Write Failed"));
    QVERIFY(answerer.seen[0].text.endsWith("Text File Log Stopped!!!"));
  }

  void bothLogsOnOneFileAreRefused() {
    const QString path = dir.filePath("both.txt");
    QFile::remove(path);
    chooseTextLog(path);
    chooseSpreadsheet(path);
    // One answerer at a time: two would race for each file dialog.
    {
      ModalAnswerer answerer;
      startTextLog();
      QVERIFY(!form->checkBox_datalog->isChecked());
      QVERIFY(!log_file.isOpen());
      QCOMPARE(answerer.seen.size(), 1);
      QCOMPARE(answerer.seen[0].title, QString("WARNING"));
      QCOMPARE(answerer.seen[0].text,
               QString("The Text File Log and the Excel File Log Must Use Different Files!!!"));

      // The workbook refuses the text log's file, and the text log refuses
      // the running workbook's file under another name.
      form->checkBox_excellog->click();
      QVERIFY(!form->checkBox_excellog->isChecked());
      QVERIFY(!window->spreadsheetLog().isRunning());
      QCOMPARE(answerer.seen.size(), 2);
    }
    chooseTextLog(dir.filePath("other.txt"));
    {
      ModalAnswerer answerer;
      form->checkBox_excellog->click();
      QVERIFY(window->spreadsheetLog().isRunning());
      QCOMPARE(answerer.seen.size(), 0);
    }
    QVERIFY(QFile::link(path, dir.filePath("both-link.txt")));
    chooseTextLog(dir.filePath("both-link.txt"));
    ModalAnswerer answerer;
    startTextLog();
    QVERIFY(!form->checkBox_datalog->isChecked());
    QVERIFY(!log_file.isOpen());
    QCOMPARE(answerer.seen.size(), 1);
  }

  // Neither log ever writes the record journal's files: a text log would
  // empty it, a workbook's save replace it.
  void logsOnTheJournalsFilesAreRefused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("chosen");  // a link to it, under the dialog's filter
    QTest::addColumn<bool>("textLog");
    QTest::newRow("text log on the journal") << "refused.sqlite"
                                             << "journal-link.txt" << true;
    QTest::newRow("text log on its -wal") << "refused.sqlite-wal"
                                          << "wal-link.txt" << true;
    QTest::newRow("workbook on the key") << "refused.key"
                                         << "key-link.xlsx" << false;
  }
  void logsOnTheJournalsFilesAreRefused() {
    QFETCH(QString, name);
    QFETCH(QString, chosen);
    QFETCH(bool, textLog);
    journalfiles::usePlaces({dir.filePath("refused.sqlite"), dir.filePath("refused.key")});
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();
    QFile::remove(dir.filePath(chosen));
    QVERIFY(QFile::link(dir.filePath(name), dir.filePath(chosen)));
    if (textLog)
      chooseTextLog(dir.filePath(chosen), true);
    else
      chooseSpreadsheet(dir.filePath(chosen), true);
    ModalAnswerer answerer;
    if (textLog) {
      startTextLog();
      QVERIFY(!form->checkBox_datalog->isChecked());
    } else {
      form->checkBox_excellog->click();
      QVERIFY(!window->spreadsheetLog().isRunning());
    }
    journalfiles::usePlaces({});
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(
        answerer.seen[0].text,
        QString("A Log Must Not Use the Record Journal's Files (%1)!!!").arg(dir.filePath(chosen)));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("kept"));
  }

  void spreadsheetRowsFollowTheRecordCount() {
    const QString book = dir.filePath("weights.xlsx");
    chooseTextLog(dir.filePath("for-book.txt"));
    startTextLog();
    setChannelReading(0, {0, 0, 0, 0, 0, 1, 0}, 0);
    for (int i = 0; i < 3; ++i) {
      record();
      window->processLCD();
    }
    chooseSpreadsheet(book);
    form->checkBox_excellog->click();
    QVERIFY(window->spreadsheetLog().isRunning());
    setChannelReading(0, {0, 0, 0, 0, 0, 0, 5}, 0, 1);
    record();
    form->checkBox_excellog->click();
    QVERIFY(!window->spreadsheetLog().isRunning());
    const QJsonArray sheets = readWorkbook(book);
    QCOMPARE(sheets.size(), 2);
    const QJsonObject cells = sheets[0].toObject()["cells"].toObject();
    QCOMPARE(cells.keys(), (QStringList{"A1", "A5", "B1", "B5"}));
    QCOMPARE(cells["A5"].toArray()[0].toDouble(), window->station().state().total_weight);
    QVERIFY(qAbs(cells["A5"].toArray()[0].toDouble() - 5.0003) < 1e-9);
    QCOMPARE(cells["B5"].toArray()[0].toString(), window->station().state().time_text);
    QCOMPARE(form->excelfilename->text(), book);
  }

  void closingTheWindowSavesARunningWorkbook() {
    const QString book = dir.filePath("on-close.xlsx");
    chooseSpreadsheet(book);
    form->checkBox_excellog->click();
    window->close();
    QVERIFY(QFileInfo::exists(book));
    QCOMPARE(readWorkbook(book)[0].toObject()["name"].toString(), QString("Korvel Data 1"));
  }

  void failedSaveIsReportedAndNothingIsLost() {
    QTemporaryDir books;
    const QString book = books.filePath("later/weights.xlsx");
    chooseSpreadsheet(book);
    form->checkBox_excellog->click();
    chooseTextLog(dir.filePath("for-failed-book.txt"));
    startTextLog();
    setChannelReading(0, {0, 0, 0, 0, 0, 4, 2}, 0);
    record();
    {
      ModalAnswerer answerer;
      form->checkBox_excellog->click();
      QCOMPARE(answerer.seen.size(), 1);
      QVERIFY(answerer.seen[0].text.startsWith("Excel File Could Not be Saved"));
      QVERIFY(answerer.seen[0].text.endsWith("!!!"));
    }
    // The log runs on with its rows; once the folder exists the stop saves them.
    QVERIFY(form->checkBox_excellog->isChecked());
    QVERIFY(window->spreadsheetLog().isRunning());
    QVERIFY(QDir().mkpath(books.filePath("later")));
    form->checkBox_excellog->click();
    QVERIFY(!form->checkBox_excellog->isChecked());
    const QJsonObject cells = readWorkbook(book)[0].toObject()["cells"].toObject();
    QVERIFY(qAbs(cells["A2"].toArray()[0].toDouble() - 42.0003) < 1e-9);
  }

  void anotherFileCanBeChosenAfterAFailedStop() {
    startSpreadsheetWithARecord(dir.filePath("gone/weights.xlsx"));
    {
      ModalAnswerer answerer;
      form->checkBox_excellog->click();
      QCOMPARE(answerer.seen.size(), 1);
    }
    QVERIFY(form->checkBox_excellog->isChecked());
    const QString instead = dir.filePath("instead.xlsx");
    chooseSpreadsheet(instead);
    QCOMPARE(window->excelFileName(), instead);
    form->checkBox_excellog->click();
    QVERIFY(!form->checkBox_excellog->isChecked());
    const QJsonObject cells = readWorkbook(instead)[0].toObject()["cells"].toObject();
    QVERIFY(qAbs(cells["A2"].toArray()[0].toDouble() - 42.0003) < 1e-9);
    // A log that runs normally keeps its file.
    form->checkBox_excellog->click();
    ModalAnswerer answerer;
    window->getPath_excel();
    QVERIFY(answerer.fileDialogCaptions.isEmpty());
    QCOMPARE(answerer.seen.value(0).text,
             QString("Start Excel File Log Check Box Must be De-selected First!!!"));
  }

  void aSaveFailingAtTheEnd_data() {
    QTest::addColumn<bool>("fallbackWritable");
    QTest::newRow("rows in the fallback file") << true;
    QTest::newRow("the fallback fails too") << false;
  }
  void aSaveFailingAtTheEnd() {
    QFETCH(bool, fallbackWritable);
    QTemporaryDir data;
    QFile blocker(data.filePath("a-file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", (fallbackWritable ? data.path() : blocker.fileName()).toLocal8Bit());
    journalfiles::usePlaces({dir.filePath("journal.sqlite"), dir.filePath("journal.key")});
    startSpreadsheetWithARecord(dir.filePath("gone/weights.xlsx"));
    ModalAnswerer answerer;
    window->close();
    delete window;  // nothing more is shown after the window closed
    window = nullptr;
    qputenv("XDG_DATA_HOME", dataHome);
    journalfiles::usePlaces({});
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].title, QString("WARNING"));
    const QString text = answerer.seen[0].text;
    QVERIFY2(text.startsWith("Excel File Could Not be Saved (cannot save"), qPrintable(text));
    const QDir unsaved(data.filePath("weighstation/unsaved"));
    const QStringList files = unsaved.entryList(QDir::Files);
    if (!fallbackWritable) {
      QVERIFY2(text.endsWith("(cannot make its folder), its Rows Are Lost!!!"), qPrintable(text));
      QVERIFY(files.isEmpty());
      return;
    }
    QCOMPARE(files.size(), 1);
    QVERIFY(QRegularExpression("^weights-\\d{8}-\\d{6}\\.xlsx$").match(files[0]).hasMatch());
    QVERIFY2(text.endsWith(", its Rows Were Saved to " + unsaved.filePath(files[0]) + "!!!"),
             qPrintable(text));
    const QJsonObject cells =
        readWorkbook(unsaved.filePath(files[0]))[0].toObject()["cells"].toObject();
    QVERIFY(qAbs(cells["A2"].toArray()[0].toDouble() - 42.0003) < 1e-9);
  }
};

QTEST_MAIN(WindowLoggingTest)
#include "tst_windowlogging.moc"
