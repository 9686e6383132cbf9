// The record lines, their number format, and the text log file.
#include <sys/resource.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "logging/logfiles.h"
#include "logging/recordlines.h"
#include "logging/textlog.h"

namespace {
const PointLabels kThree{".", "", ""};
const PointLabels kTwo{"", ".", ""};
const PointLabels kOne{"", "", "."};
const PointLabels kNone{"", "", ""};
}  // namespace
Q_DECLARE_METATYPE(PointLabels)

class TextLogTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void formatLogNumber_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<PointLabels>("points");
    QTest::addColumn<QString>("text");
    QTest::newRow("12.3456 three") << 12.3456 << kThree << "12.345";
    QTest::newRow("12.3456 two") << 12.3456 << kTwo << "12.34";
    QTest::newRow("12.3456 one") << 12.3456 << kOne << "12.3";
    QTest::newRow("12.3456 none") << 12.3456 << kNone << "12";
    QTest::newRow("six significant digits") << 1234.5678 << kThree << "1234.57";
    QTest::newRow("trailing zeros dropped") << 130.0001 << kThree << "130";
    QTest::newRow("zero") << 0.0 << kThree << "0";
    QTest::newRow("bias keeps the last place") << 12.3451 << kThree << "12.345";
    QTest::newRow("0.063 biased") << 0.0633 << kThree << "0.063";
    QTest::newRow("integer reading") << 1234.0003 << kNone << "1234";
    QTest::newRow("large integer") << 29999997.0003 << kNone << "29999997";
    QTest::newRow("exponent from a million") << 1234567.8 << kOne << "1.23457e+06";
    QTest::newRow("only the first lit label counts")
        << 5.678 << PointLabels{".", ".", "."} << "5.678";
  }
  void formatLogNumber() {
    QFETCH(double, value);
    QFETCH(PointLabels, points);
    QFETCH(QString, text);
    QCOMPARE(::formatLogNumber(value, points.threePlaces, points.twoPlaces, points.onePlace), text);
  }

  void lines() {
    QCOMPARE(RecordLines::stampLine("3:07:09 pm", "12/07/2026"),
             QString("\r\n3:07:09 pm, 12/07/2026"));
    QCOMPARE(RecordLines::totalLine("GROSS", 1, "+", 250.5003, kOne),
             QString("GROSS TOTAL, lbs, 250.5"));
    QCOMPARE(RecordLines::totalLine("NET", 0, "-", 5.2003, kOne), QString("NET TOTAL, kg, -5.2"));
    QCOMPARE(RecordLines::totalLine("net", 9, "+", 0.0003, kThree), QString("GROSS TOTAL, ??, 0"));
    QCOMPARE(RecordLines::channelLine(0, 1, 100.5001, 20.0, kOne),
             QString("01, lbs, 120.5, 100.5, 20"));
    QCOMPARE(RecordLines::channelLine(1, 1, -3.0005, 0.0, kNone), QString("02, lbs, -3, -3, 0"));
    QCOMPARE(RecordLines::channelLine(2, 9, 0.0001, 0.0, kThree), QString("03, ??, 0, 0, 0"));
    QCOMPARE(RecordLines::channelLine(2, 0, 130.0001, 0.0, kThree), QString("03, kg, 130, 130, 0"));
  }

  void blockHoldsExactlyTheBuiltChannels() {
    RecordLines lines;
    lines.stamp = RecordLines::stampLine("3:07:09 pm", "12/07/2026");
    lines.header = RecordLines::headerLine();
    lines.total = "GROSS TOTAL, lbs, 250";
    lines.channels = {"01, lbs, 120, 120, 0", "02, lbs, 130, 130, 0", "03, lbs, 9, 9, 0"};
    lines.hasChannel = {true, true, false};
    QCOMPARE(
        lines.textLogBlock(),
        QByteArray("\r\n3:07:09 pm, 12/07/2026\r\nScale#, Unit, Gross, Net, Tare\r\n"
                   "GROSS TOTAL, lbs, 250\r\n01, lbs, 120, 120, 0\r\n02, lbs, 130, 130, 0\r\n"));
  }

  void fileIsEmptiedAtOpenAndSyncedPerRecord() {
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    {
      QFile old(path);
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("earlier records");
    }
    QFile file;
    Failure error;
    QVERIFY(textlog::open(file, path, &error));
    QCOMPARE(QFileInfo(path).size(), 0);
    RecordLines lines;
    lines.stamp = "\r\nT";
    lines.header = "H";
    lines.total = "X";
    QVERIFY(textlog::writeRecord(file, lines, &error));
    // On disk at once, with the file still open.
    QFile check(path);
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), QByteArray("\r\nT\r\nH\r\nX\r\n"));
    file.close();
  }

  void failuresAreReported() {
    QFile file;
    Failure error;
    QVERIFY(!textlog::open(file, "/nonexistent-folder/log.txt", &error));
    QCOMPARE(error.kind(), Failure::Kind::CannotOpen);
    QVERIFY(!error.reason().isEmpty());
    RecordLines lines;
    lines.total = "X";
    QVERIFY(!textlog::writeRecord(file, lines, &error));
    QCOMPARE(error.kind(), Failure::Kind::Refused);
    QVERIFY(textlog::open(file, "/dev/full", &error));
    QVERIFY(!textlog::writeRecord(file, lines, &error));
    QCOMPARE(error.kind(), Failure::Kind::Io);
    QCOMPARE(error.reason(), QString("No space left on device"));
  }

  void aFileGoneFromItsNameStopsTheWrites_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("file removed") << "rm";
    QTest::newRow("folder removed") << "rmdir";
    QTest::newRow("file replaced") << "replace";
  }
  void aFileGoneFromItsNameStopsTheWrites() {
    QFETCH(QString, how);
    QTemporaryDir dir;
    const QString folder = dir.filePath("logs");
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + "/log.txt";
    QFile file;
    Failure error;
    QVERIFY(textlog::open(file, path, &error));
    RecordLines lines;
    lines.total = "X";
    QVERIFY(textlog::writeRecord(file, lines, &error));
    if (how == "rm")
      QVERIFY(QFile::remove(path));
    if (how == "rmdir")
      QVERIFY(QDir(folder).removeRecursively());
    if (how == "replace") {
      QFile other(folder + "/other.txt");
      QVERIFY(other.open(QIODevice::WriteOnly));
      other.close();
      QVERIFY(::rename(QFile::encodeName(other.fileName()), QFile::encodeName(path)) == 0);
    }
    QVERIFY(!textlog::writeRecord(file, lines, &error));
    QCOMPARE(error.reason(), QString("the log file was removed or replaced"));
  }

  void sameFile_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::newRow("one name") << "log.txt"
                              << "log.txt" << true;
    QTest::newRow("a link to it") << "log.txt"
                                  << "link.txt" << true;
    QTest::newRow("through a linked folder") << "log.txt"
                                             << "folder-link/log.txt" << true;
    QTest::newRow("dot-dot") << "log.txt"
                             << "sub/../log.txt" << true;
    QTest::newRow("not there yet") << "new.xlsx"
                                   << "folder-link/new.xlsx" << true;
    QTest::newRow("another file") << "log.txt"
                                  << "log.xlsx" << false;
    QTest::newRow("no name") << ""
                             << "" << false;
  }
  void sameFile() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("sub"));
    QFile log(dir.filePath("log.txt"));
    QVERIFY(log.open(QIODevice::WriteOnly));
    QVERIFY(QFile::link(log.fileName(), dir.filePath("link.txt")));
    QVERIFY(QFile::link(dir.path(), dir.filePath("folder-link")));
    auto at = [&dir](const QString &name) { return name.isEmpty() ? name : dir.filePath(name); };
    QCOMPARE(logfiles::sameFile(at(a), at(b)), same);
  }

  // A disk that fills in the middle of a record (here: the file size limit)
  // leaves the file with its whole records only, and says why.
  void aShortWriteLeavesOnlyWholeRecords() {
    QTemporaryDir dir;
    QFile file;
    Failure error;
    QVERIFY(textlog::open(file, dir.filePath("log.txt"), &error));
    RecordLines lines;
    lines.stamp = "\r\nT";
    lines.header = "H";
    lines.total = "GROSS TOTAL, lbs, 1234";
    QVERIFY(textlog::writeRecord(file, lines, &error));
    const QByteArray first = lines.textLogBlock();

    ::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0);
    rlimit small = saved;
    small.rlim_cur = static_cast<rlim_t>(first.size() + first.size() / 2);
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &small) == 0);
    const bool written = textlog::writeRecord(file, lines, &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY(!written);
    QCOMPARE(error.reason(), QString::fromLocal8Bit(std::strerror(EFBIG)));

    QFile check(file.fileName());
    QVERIFY(check.open(QIODevice::ReadOnly));
    QCOMPARE(check.readAll(), first);
    // The next record, with room again, follows the whole one.
    QVERIFY(textlog::writeRecord(file, lines, &error));
    check.seek(0);
    QCOMPARE(check.readAll(), first + first);
  }
};

QTEST_APPLESS_MAIN(TextLogTest)
#include "tst_textlog.moc"
