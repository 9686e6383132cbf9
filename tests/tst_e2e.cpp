// End to end: the real monitor against three simulated indicators on
// pseudo-terminals, driven as an operator would drive it, then the files
// it wrote and the state it left.
#include <signal.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "monitorrun.h"
#include "platform/ftd2xx.h"
#include "platform/linuxserialbackend.h"
#include "recordscommand.h"
#include "simulator.h"
#include "xlsxreader.h"
#include "xserver.h"

namespace {
RecordsRun recordsOf(const QTemporaryDir &dir, QStringList arguments) {
  return runRecords(arguments << "--journal" << dir.filePath("journal.sqlite") << "--key"
                              << dir.filePath("journal.key"));
}

QByteArray fileBytes(const QString &path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QJsonObject firstSheetCells(const QString &book) {
  return readWorkbook(book).at(0).toObject()["cells"].toObject();
}

const char *const kStamp = "\\r\\n\\d{1,2}:\\d\\d:\\d\\d [ap]m, \\d\\d/\\d\\d/\\d{4}\\r\\n";
}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void operatorRoad() {
    Simulator sim;
    QVERIFY(sim.start({"weight=111", "weight=222", "weight=333,hangup-on-signal=1"}));
    QTemporaryDir dir;
    const Run run = runMonitor("operator", sim, dir);
    const QJsonObject &r = run.report;
    QVERIFY2(r["failure"].isUndefined(), qPrintable(r["failure"].toString()));
    QVERIFY2(r["done"].toBool(), qPrintable(QJsonDocument(r).toJson() + run.output));
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.output.contains(QRegularExpression("weighstation \\d+\\.\\d+\\.\\d+")));

    // Connect: no dialog, the ports named, the weights and their total shown.
    QCOMPARE(r["dialogsAtConnect"].toInt(), 0);
    QVERIFY(r["ports"].toArray()[0].toString().startsWith("pts/"));
    QVERIFY(r["readingsArrived"].toBool());
    QCOMPARE(r["statusAfterConnect"].toString(), QString("<font color=\"green\">Connected</font>"));
    QCOMPARE(r["totalAfterConnect"].toString(), QString("00000666"));
    // Zero after "Yes" reaches the indicator.
    QVERIFY(r["zeroQuestion"].toString().startsWith("You are permanently ZERO-ing the Scale."));
    QVERIFY(r["zeroed"].toBool());
    QVERIFY(sim.events().contains("scale 2 zeroed at 222"));
    QCOMPARE(r["totalAfterZero"].toString(), QString("00000444"));
    // Two records, the second after scale 3's adapter was pulled.
    QVERIFY(r["logsRunning"].toBool());
    QVERIFY(r["firstRecord"].toBool());
    QVERIFY(r["dropped"].toBool());
    QVERIFY(r["secondRecord"].toBool());
    QCOMPARE(r["listItems"].toInt(), 2);
    QCOMPARE(r["dialogsTotal"].toInt(), 1);

    const QString text = QString::fromLatin1(fileBytes(dir.filePath("station.txt")));
    const QRegularExpression expected(
        QString("^") + kStamp +
        "Scale#, Unit, Gross, Net, Tare\\r\\nGROSS TOTAL, lbs, 444\\r\\n"
        "01, lbs, 111, 111, 0\\r\\n02, lbs, 0, 0, 0\\r\\n03, lbs, 333, 333, 0\\r\\n" +
        kStamp +
        "Scale#, Unit, Gross, Net, Tare\\r\\nGROSS TOTAL, lbs, 111\\r\\n"
        "01, lbs, 111, 111, 0\\r\\n02, lbs, 0, 0, 0\\r\\n$");
    QVERIFY2(expected.match(text).hasMatch(), qPrintable(text));

    const QJsonArray book = readWorkbook(dir.filePath("station.xlsx"));
    QCOMPARE(book.size(), 2);
    const QJsonObject cells = book[0].toObject()["cells"].toObject();
    QCOMPARE(cells.keys(), (QStringList{"A1", "A2", "A3", "B1", "B2", "B3"}));
    QVERIFY(qAbs(cells["A2"].toArray()[0].toDouble() - 444.0003) < 1e-9);
    QVERIFY(qAbs(cells["A3"].toArray()[0].toDouble() - 111.0003) < 1e-9);
    QCOMPARE(cells["B3"].toArray()[1].toString(), QString("text"));

    // The journal holds both records; the workbook can be rebuilt from it.
    const RecordsRun verified = recordsOf(dir, {"verify"});
    QCOMPARE(verified.exitCode, 0);
    QVERIFY2(verified.out.startsWith("journal intact: 2 records, seq 1..2, "),
             qPrintable(verified.out));
    const QString rebuilt = dir.filePath("rebuilt.xlsx");
    QCOMPARE(recordsOf(dir, {"recover-workbook", dir.filePath("station.xlsx"), "--output", rebuilt})
                 .exitCode,
             0);
    QCOMPARE(readWorkbook(rebuilt), readWorkbook(dir.filePath("station.xlsx")));

    // The readers have let go of their adapters.
    LinuxSerialBackend::listAdapters(sim.adapters());
    for (int index : {0, 1}) {
      FT_HANDLE handle = nullptr;
      QCOMPARE(FT_Open(index, &handle), FT_STATUS(FT_OK));
      FT_Close(handle);
    }
  }

  // A logout, a shutdown or Ctrl+C end the monitor as its Exit action does.
  void endingSignalsEndItAsExitDoes_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGHUP") << int(SIGHUP);
    QTest::newRow("SIGINT") << int(SIGINT);
  }
  void endingSignalsEndItAsExitDoes() {
    QFETCH(int, signal);
    Simulator sim;
    QVERIFY(sim.start({"weight=111"}));
    QTemporaryDir dir;
    Monitor monitor("logs", sim, dir);
    QVERIFY(monitor.waitForReport("ready"));
    ::kill(monitor.pid(), signal);
    const Run run = monitor.finish();
    QVERIFY(run.report["records"].toBool());
    QCOMPARE(run.status, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    const QString text = QString::fromLatin1(fileBytes(dir.filePath("station.txt")));
    QCOMPARE(text.count("GROSS TOTAL, lbs, 111\r\n01, lbs, 111, 111, 0\r\n"), 2);
    const QJsonObject cells = firstSheetCells(dir.filePath("station.xlsx"));
    QCOMPARE(cells.keys(), (QStringList{"A1", "A2", "A3", "B1", "B2", "B3"}));
    // The reader let go of its adapter.
    LinuxSerialBackend::listAdapters(sim.adapters());
    FT_HANDLE handle = nullptr;
    QCOMPARE(FT_Open(0, &handle), FT_STATUS(FT_OK));
    FT_Close(handle);
  }

  // The zero question keeps "Yes" left of "No" whatever the desktop's own
  // button order.
  void zeroQuestionOrderOnEveryDesktop_data() {
    QTest::addColumn<QString>("desktop");
    QTest::newRow("GNOME") << "GNOME";
    QTest::newRow("KDE") << "KDE";
    QTest::newRow("none") << "";
  }
  void zeroQuestionOrderOnEveryDesktop() {
    QFETCH(QString, desktop);
    XServer x;
    QVERIFY(x.start());
    Simulator sim;
    QVERIFY(sim.start({"weight=111"}));
    QTemporaryDir dir;
    const Run run =
        Monitor("zero", sim, dir, x.display(), {"XDG_CURRENT_DESKTOP=" + desktop}).finish();
    QVERIFY2(run.report["done"].toBool(), qPrintable(run.output));
    QCOMPARE(run.report["buttonsLeftToRight"].toArray(), (QJsonArray{"Yes", "No"}));
    QCOMPARE(run.report["defaultButton"].toString(), QString("Yes"));
    QCOMPARE(run.report["escapeButton"].toString(), QString("No"));
  }

  // The display going away ends the process from inside the toolkit; the
  // running workbook is saved all the same.
  void theDisplayGoingAwayKeepsTheWorkbook() {
    XServer x;
    QVERIFY(x.start());
    Simulator sim;
    QVERIFY(sim.start({"weight=111"}));
    QTemporaryDir dir;
    Monitor monitor("logs", sim, dir, x.display());
    QVERIFY(monitor.waitForReport("ready"));
    x.kill();
    const Run run = monitor.finish();
    QVERIFY(run.report["records"].toBool());
    const QJsonObject cells = firstSheetCells(dir.filePath("station.xlsx"));
    QCOMPARE(cells.keys(), (QStringList{"A1", "A2", "A3", "B1", "B2", "B3"}));
  }

  void recordSurvivesAKillRightAfterIt() {
    Simulator sim;
    QVERIFY(sim.start({"weight=111"}));
    QTemporaryDir dir;
    const Run run = runMonitor("kill", sim, dir);
    QVERIFY(run.report["readingsArrived"].toBool());
    QVERIFY(run.report["record"].toBool());
    QCOMPARE(run.status, QProcess::CrashExit);
    const QString text = QString::fromLatin1(fileBytes(dir.filePath("station.txt")));
    QVERIFY2(QRegularExpression(QString("^") + kStamp +
                                "Scale#, Unit, Gross, Net, Tare\\r\\nGROSS TOTAL, lbs, 111\\r\\n"
                                "01, lbs, 111, 111, 0\\r\\n$")
                 .match(text)
                 .hasMatch(),
             qPrintable(text));
    // The journal holds the record, whole.
    const RecordsRun verified = recordsOf(dir, {"verify"});
    QCOMPARE(verified.exitCode, 0);
    QVERIFY2(verified.out.startsWith("journal intact: 1 record, seq 1..1, "),
             qPrintable(verified.out));
    // list checks what it lists; the journal alone cannot be checked, and
    // its record is marked so.
    QVERIFY(recordsOf(dir, {"list"}).out.endsWith("\tGROSS TOTAL, lbs, 111\n"));
    QVERIFY(runRecords({"list", "--journal", dir.filePath("journal.sqlite")})
                .out.endsWith("\tGROSS TOTAL, lbs, 111\tUNVERIFIED\n"));
  }
};

QTEST_GUILESS_MAIN(EndToEndTest)
#include "tst_e2e.moc"
