// The records command over a journal: exports of a journal that does not
// verify, workbooks of many sheets, printouts, lists, tickets checked
// offline, what public commands never open, and mistakes on its command line.
#include <sys/stat.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonObject>
#include <QMimeDatabase>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <cmath>
#include <memory>

#include "journal/journal.h"
#include "journal/journalexport.h"
#include "journal/journalfiles.h"
#include "journal/journalreader.h"
#include "journal/recordseal.h"
#include "journal/seals.h"
#include "journal/shown.h"
#include "journal/ticketcode.h"
#include "journal/verifier.h"
#include "logging/recordlines.h"
#include "readout/readoutmath.h"
#include "readoutrows.h"
#include "recordscommand.h"
#include "samplerecord.h"
#include "smallfilesystem.h"
#include "viewer/qrcode.h"
#include "xlsxreader.h"

#include "journalcase.h"

class RecordsCommandTest : public QObject, JournalCase {
  Q_OBJECT
 private Q_SLOTS:
  // The records are dated 2026-12-07: the journals' keys start that day.
  void initTestCase() { startTheClockOnTheRecordsDay(); }
  // Each case starts a journal of its own, with a key of its own.
  void init() { startAJournal(); }

  void exportOfAJournalThatDoesNotVerify() {
    write(1, 3);
    tamper(journalPath(), {"UPDATE records SET total = 1 WHERE seq = 2"});
    const QString csv = dir.filePath("out.csv");
    QFile::remove(csv);
    const QStringList base{"export", "--journal", journalPath(), "--key", keyPath(), "--csv", csv};
    QCOMPARE(runRecords(base).exitCode, 1);
    QVERIFY(!QFile::exists(csv));
    QCOMPARE(runRecords(base + QStringList{"--unverified"}).exitCode, 0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QVERIFY(lines[0].startsWith(
        "seq,taken_at,taken_at_utc,station,total,unit,net_gross,s1_unit,s1_gross,s1_net,s1_tare"));
    QVERIFY(lines[0].contains(",total_stored,s1_gross_stored,"));
    QVERIFY(lines[0].trimmed().endsWith(",seal,verified"));
    // The numbers the text log and the list showed, then the stored ones.
    const QString local =
        journaldates::localTime("2026-12-07T10:01:00.000Z").toString("yyyy-MM-dd HH:mm:ss.zzz");
    QVERIFY2(lines[1].startsWith(
                 QString("1,%1,2026-12-07T10:01:00.000Z,bridge-1,101,lbs,GROSS,lbs,101,101,0,")
                     .arg(local)
                     .toUtf8()),
             lines[1].constData());
    QVERIFY(lines[1].contains(",101.0003,101.0001,101.0001,0,"));
    // The record's seal, as the journal holds it.
    QVERIFY2(QRegularExpression(",2\\.0\\.[0-9a-f]{64}\\.[0-9a-f]{128},UNVERIFIED\r?$")
                 .match(QString::fromUtf8(lines[1]))
                 .hasMatch(),
             lines[1].constData());
    QCOMPARE(runRecords({"export", "--journal", journalPath(), "--key", keyPath(), "--csv",
                         "/no-such-folder/out.csv"})
                 .exitCode,
             2);
  }

  // Records beyond a sheet's rows go on further sheets, each with the
  // header, none dropped.
  void xlsxExportsContinueOnFurtherSheets() {
    write(1, 10);
    JournalReader reader(journalPath(), "sheets");
    Failure error;
    QVERIFY(reader.open(&error));
    ExportOptions options;
    options.format = ExportFormat::Xlsx;
    options.path = dir.filePath("sheets.xlsx");
    options.recordsPerSheet = 4;
    int sheets = 0;
    QCOMPARE(journalexport::write(reader, options, &error, &sheets), qint64(10));
    QCOMPARE(sheets, 3);
    const QJsonArray book = readWorkbook(options.path);
    QStringList names;
    QList<int> seqs;
    for (const QJsonValue &sheet : book) {
      names << sheet["name"].toString();
      const QJsonObject cells = sheet["cells"].toObject();
      QCOMPARE(cells["A1"].toArray()[0].toString(), QString("seq"));
      for (int row = 2; cells.contains(QStringLiteral("A%1").arg(row)); ++row)
        seqs << cells[QStringLiteral("A%1").arg(row)].toArray()[0].toInt();
    }
    QCOMPARE(names, (QStringList{"Records 1", "Records 2", "Records 3"}));
    QCOMPARE(seqs, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    // A real local time, shown values with their decimals, every column
    // wide enough for what it holds.
    const QJsonObject first = book[0]["cells"].toObject();
    QCOMPARE(first["B2"].toArray()[1].toString(), QString("datetime"));
    QCOMPARE(first["B2"].toArray()[0].toString().left(19),
             journaldates::localTime("2026-12-07T10:01:00.000Z").toString(Qt::ISODate).left(19));
    QCOMPARE(first["E2"].toArray()[0].toDouble(), 101.0);
    QCOMPARE(first["E2"].toArray()[2].toString(), QString("0"));
    const QJsonObject widths = book[0]["widths"].toObject();
    QVERIFY(widths["B"].toDouble() >= 19 && widths["C"].toDouble() >= 24);
    QCOMPARE(widths.size(), journalexport::header(false).size());
  }

  // Tickets and reports printed by the command, without a display: what
  // the journal's check said is on the paper.
  void printoutsFromTheCommandLine_data() {
    QTest::addColumn<QString>("tampered");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed");  // empty: no file written
    const QString intact = "Journal checked: intact, seq 1..4";
    const QString broken = "UNVERIFIED: the journal fails its check at seq 3";
    const QString tamper = "UPDATE records SET total = 1 WHERE seq = 3";
    QTest::newRow("ticket") << QString() << QStringList{"ticket", "--seq", "2"} << 0 << intact;
    QTest::newRow("ticket on A6") << QString()
                                  << QStringList{"ticket", "--seq", "2", "--page-size", "A6"} << 0
                                  << intact;
    QTest::newRow("report") << QString() << QStringList{"report"} << 0 << intact;
    QTest::newRow("ticket before the bad record")
        << tamper << QStringList{"ticket", "--seq", "2"} << 1 << broken;
    QTest::newRow("ticket of the bad record")
        << tamper << QStringList{"ticket", "--seq", "3"} << 1 << QString();
    QTest::newRow("ticket of the bad record on purpose")
        << tamper << QStringList{"ticket", "--seq", "3", "--unverified"} << 1 << broken;
    QTest::newRow("report of a tampered journal") << tamper << QStringList{"report"} << 1 << broken;
    QTest::newRow("no such record")
        << QString() << QStringList{"ticket", "--seq", "9"} << 2 << QString();
  }
  void printoutsFromTheCommandLine() {
    QFETCH(QString, tampered);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, printed);
    write(1, 4);
    if (!tampered.isEmpty())
      tamper(journalPath(), {tampered});
    const QString pdf = dir.filePath("printout.pdf");
    QFile::remove(pdf);
    QProcessEnvironment screenless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      screenless.remove(name);
    const RecordsRun run = runRecords(
        arguments + QStringList{"--journal", journalPath(), "--key", keyPath(), "--pdf", pdf},
        screenless);
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.err));
    QCOMPARE(QFile::exists(pdf), !printed.isEmpty());
    if (printed.isEmpty())
      return;
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished());
    const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    QVERIFY2(words.contains(printed), qPrintable(words));
  }

  // A list says how its records' check came out, and marks the records the
  // check does not trust.
  void listSaysWhetherItsRecordsWereChecked_data() {
    QTest::addColumn<QString>("tampered");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("said");
    QTest::addColumn<QString>("marked");  // seqs marked UNVERIFIED
    const QString tamper = "UPDATE records SET total = 1 WHERE seq = 3";
    QTest::newRow("intact") << QString() << QStringList() << 0
                            << "Journal checked: intact, seq 1..4"
                            << "";
    QTest::newRow("changed at seq 3")
        << tamper << QStringList() << 1 << "UNVERIFIED: the journal fails its check at seq 3"
        << "3 4";
    QTest::newRow("unchecked") << QString() << QStringList{"--unchecked"} << 0
                               << "UNVERIFIED: not checked (--unchecked)"
                               << "1 2 3 4";
    QTest::newRow("no verification key")
        << QString() << QStringList{"--verification-key", "/nonexistent"} << 0
        << "UNVERIFIED: cannot check the journal ("
        << "1 2 3 4";
  }
  void listSaysWhetherItsRecordsWereChecked() {
    QFETCH(QString, tampered);
    QFETCH(QStringList, options);
    QFETCH(int, exitCode);
    QFETCH(QString, said);
    QFETCH(QString, marked);
    write(1, 4);
    if (!tampered.isEmpty())
      tamper(journalPath(), {tampered});
    const RecordsRun run =
        runRecords(QStringList{"list", "--journal", journalPath(), "--key", keyPath()} + options);
    QCOMPARE(run.exitCode, exitCode);
    QVERIFY2(run.err.startsWith(said), qPrintable(run.err));
    QStringList markedSeqs;
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    for (const QString &line : lines) {
      if (line.endsWith("\tUNVERIFIED"))
        markedSeqs << line.section('\t', 0, 0);
    }
    QCOMPARE(markedSeqs.join(' '), marked);
  }

  // The public commands check with what an auditor holds: the station's
  // signing secrets are never opened (a pipe in their place holds whoever
  // opens it until the test gives up).
  void publicCommandsNeverOpenTheSigningSecrets_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("verify") << QStringList{"verify"} << 0;
    QTest::newRow("list") << QStringList{"list"} << 0;
    QTest::newRow("ticket") << QStringList{"ticket", "--seq", "1", "--pdf", "$folder/t.pdf"} << 0;
    QTest::newRow("report") << QStringList{"report", "--pdf", "$folder/r.pdf"} << 0;
    QTest::newRow("export") << QStringList{"export", "--csv", "$folder/e.csv"} << 0;
  }
  void publicCommandsNeverOpenTheSigningSecrets() {
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    write(1, 3);
    const QString signing = dir.filePath("journal.signing");
    QVERIFY(QFile::remove(signing));
    QCOMPARE(::mkfifo(QFile::encodeName(signing).constData(), 0600), 0);
    arguments.replaceInStrings("$folder", dir.path());
    QProcessEnvironment screenless = QProcessEnvironment::systemEnvironment();
    screenless.remove("DISPLAY");
    QProcess run;
    run.setProcessEnvironment(screenless);
    run.start(qEnvironmentVariable("TEST_RECORDS_BIN"),
              arguments + QStringList{"--journal", journalPath(), "--key", keyPath()});
    const bool finished = run.waitForFinished(20000);
    if (!finished) {
      run.kill();
      run.waitForFinished();
    }
    QVERIFY2(finished, "the command opened the signing secrets");
    QVERIFY2(run.exitCode() == exitCode, run.readAllStandardError().constData());
  }

  // A ticket's code is checked offline with the verification key alone:
  // as printed, through a picture of its QR code, and refused cut, changed,
  // of another format or against another station's key.
  void ticketCodesAreCheckedOffline_data() {
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("otherStation");
    QTest::addColumn<QString>("said");
    QTest::newRow("as printed") << ""
                                << "" << false << "ticket genuine: station fixture-2, seq 1, ";
    QTest::newRow("cut") << "|"
                         << "" << false << "ticket NOT genuine: the code is cut";
    QTest::newRow("a changed seq")
        << "|1|2026"
        << "|7|2026" << false << "ticket NOT genuine: its signature does not match";
    QTest::newRow("a changed total")
        << "|111 lbs"
        << "|118 lbs" << false << "ticket NOT genuine: its signature does not match";
    QTest::newRow("a changed character") << "WS2|fixture-2|1|2026-12-09T00:49:35.376Z"
                                         << "WS2|fixture-2|1|2026-12-09T00:49:3x.376Z" << false
                                         << "ticket NOT genuine: a part of the code";
    QTest::newRow("another format")
        << "WS2|"
        << "WS1|" << false << "ticket NOT genuine: not a weighstation ticket code";
    QTest::newRow("another station's key")
        << ""
        << "" << true << "ticket NOT genuine: its epoch key is not certified";
  }
  void ticketCodesAreCheckedOffline() {
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, otherStation);
    QFETCH(QString, said);
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2"));
    JournalReader reader(copy.filePath("journal.sqlite"), "ticket-reader");
    Failure failure;
    QVERIFY(reader.open(&failure));
    const JournalRecord first = firstOf(reader);
    QList<signingkeys::EpochCertificate> epochKeys;
    QVERIFY(reader.epochKeys(&epochKeys, &failure));
    QString code = ticketcode::of(first, epochKeys);
    QVERIFY(code.startsWith("WS2|fixture-2|1|2026-12-09T00:49:35.376Z|111 lbs GROSS|0|"));
    if (from == "|")
      code.chop(100);  // the signature and part of the hash
    else if (!from.isEmpty())
      code.replace(from, to);
    QString key = copy.filePath("journal.verification-key");
    if (otherStation) {
      key = copy.filePath("other.verification-key");
      Failure error;
      QVERIFY2(signingkeys::SigningKeys::commission(copy.filePath("other.signing"), key,
                                                    "fixture-2", 1796774400, 86400, &error),
               qPrintable(error.text()));
    }
    const RecordsRun run = runRecords({"check-ticket", code, "--verification-key", key});
    QCOMPARE(run.exitCode, said.contains("NOT") ? 1 : 0);
    QVERIFY2(run.out.startsWith(said), qPrintable(run.out + run.err));
    if (said.contains("NOT"))
      return;
    QVERIFY2(run.out.trimmed().endsWith(", 111 lbs GROSS"), qPrintable(run.out));
    // Through a picture: the QR code drawn, saved as PNG, read back by ZBar.
    const QString picture = copy.filePath("ticket.png");
    QVERIFY(qrcode::of(code).scaled(600, 600).save(picture));
    const RecordsRun scanned =
        runRecords({"check-ticket", "--image", picture, "--verification-key", key});
    QCOMPARE(scanned.exitCode, 0);
    QCOMPARE(scanned.out, run.out);
    QImage blank(200, 200, QImage::Format_Grayscale8);
    blank.fill(255);
    QVERIFY(blank.save(copy.filePath("blank.png")));
    const RecordsRun nothing = runRecords(
        {"check-ticket", "--image", copy.filePath("blank.png"), "--verification-key", key});
    QCOMPARE(nothing.exitCode, 2);
    QVERIFY2(nothing.err.contains("no QR code found in"), qPrintable(nothing.err));
  }
  // A printed ticket's code scans where tickets are printed: each page size
  // rendered at a ticket printer's 203 dpi decodes and checks genuine.
  void ticketsScanAtAPrintersResolution_data() {
    QTest::addColumn<QString>("pageSize");
    for (const char *size : {"A4", "A5", "A6", "Roll80"})
      QTest::newRow(size) << size;
  }
  void ticketsScanAtAPrintersResolution() {
    QFETCH(QString, pageSize);
    QTemporaryDir copy;
    QVERIFY(copyFixture(copy, "journal-format-2"));
    const QString pdf = copy.filePath("ticket.pdf");
    const RecordsRun printed =
        runRecords({"ticket", "--journal", copy.filePath("journal.sqlite"), "--key",
                    copy.filePath("journal.key"), "--head", copy.filePath(kFixture2Head), "--seq",
                    "1", "--pdf", pdf, "--page-size", pageSize});
    QVERIFY2(printed.exitCode == 0, qPrintable(printed.err));
    const RecordsRun checked = checkPrintedTicket(pdf, copy.filePath("journal.verification-key"));
    QCOMPARE(checked.exitCode, 0);
    QVERIFY2(checked.out.startsWith("ticket genuine: station fixture-2, seq 1,"),
             qPrintable(checked.out + checked.err));
  }

  void commandLineMistakes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("language");  // empty: the C locale's English
    QTest::newRow("no display")
        << QStringList{}
        << "weighstation-records: view needs a graphical display (DISPLAY or "
           "WAYLAND_DISPLAY is not set)"
        << "";
    QTest::newRow("--from after --to")
        << QStringList{"list", "--from", "2026-12-08", "--to", "2026-12-01"}
        << "weighstation-records: list: --from 2026-12-08 is not before --to 2026-12-01"
        << "";
    QTest::newRow("unknown option")
        << QStringList{"list", "--form", "x"} << "weighstation-records: list: unknown option 'form'"
        << "";
    QTest::newRow("an option of another command")
        << QStringList{"central-sql", "--journal", "x"}
        << "weighstation-records: central-sql: unknown option 'journal'"
        << "";
    // The desktop's language reaches the messages; the command's name and
    // what it was given stay as they are.
    QTest::newRow("in German") << QStringList{"list", "--last", "0"}
                               << "weighstation-records: list: --last nimmt eine Zahl über 0"
                               << "de";
    QTest::newRow("in a language without a translation")
        << QStringList{"list", "--last", "0"}
        << "weighstation-records: list: --last takes a number above 0"
        << "nl";
  }
  void commandLineMistakes() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    QFETCH(QString, language);
    QProcessEnvironment screenless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "LANGUAGE", "LC_ALL",
                             "LC_MESSAGES", "LANG"})
      screenless.remove(name);
    if (!language.isEmpty())
      screenless.insert("LANGUAGE", language);
    const RecordsRun run = runRecords(arguments, screenless);
    QCOMPARE(run.exitCode, 2);
    QCOMPARE(run.err.trimmed(), message);
  }

  // The numbers that leave the journal are the text log's, for every
  // reading the readout can show: the table's and the ticket's shown
  // values, and a CSV export's main columns.
  void exportsShowTheLoggedNumbers_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < readingRows().size(); ++i)
      QTest::newRow(readingRows()[i].name) << i;
  }
  void exportsShowTheLoggedNumbers() {
    QFETCH(int, row);
    const ReadingRow &reading = readingRows()[row];
    const double weight = readout::scaleWeight(reading.digits, reading.pointCode, reading.sign);
    const double tare = readout::scaleWeight({0, 0, 0, 0, 0, 1, 0}, reading.pointCode, 0);
    const readout::TotalLayout layout =
        readout::totalLayout({reading.pointCode, reading.pointCode, reading.pointCode});
    PointLabels points;
    const QString point = QStringLiteral(".");
    switch (readout::litTotalPointLabel(layout)) {
      case 0:
        points.threePlaces = point;
        break;
      case 1:
        points.twoPlaces = point;
        break;
      case 2:
        points.onePlace = point;
        break;
      default:
        break;
    }
    // Two scales showing the reading, the first over a tare: the total
    // adds both readings' biases.
    const double sum = weight + weight;
    JournalRecord record = sampleRecord(1);
    record.total = std::fabs(sum);
    record.totalSign = sum < 0 ? QStringLiteral("-") : QStringLiteral("+");
    record.totalLine = RecordLines::totalLine("GROSS", 1, record.totalSign, record.total, points);
    for (int n = 0; n < 3; ++n)
      record.scales[n] = {n < 2,
                          QStringLiteral("ttyUSB%1").arg(n),
                          1,
                          weight,
                          n == 0 ? tare : 0.0,
                          weight + (n == 0 ? tare : 0.0),
                          reading.pointCode};
    const QStringList logged =
        QStringList{record.totalLine.section(", ", 2)} +
        RecordLines::channelLine(0, 1, weight, tare, points).split(", ").mid(2);
    const QStringList shownTexts{shown::total(record).text(), shown::gross(record, 0).text(),
                                 shown::net(record, 0).text(), shown::tare(record, 0).text()};
    for (int i = 0; i < logged.size(); ++i)
      QCOMPARE(shownTexts[i].toDouble(), logged[i].toDouble());
    QCOMPARE(shownTexts[0].section('.', 1).size(), shown::decimalsOf(record));

    {
      RecordJournal journal(journalPath(), keyPath(), "logged-numbers");
      Failure failure;
      QCOMPARE(journal.append(record, &failure), qint64(1));
    }
    const QString csv = dir.filePath("logged.csv");
    QFile::remove(csv);
    QCOMPARE(runRecords({"export", "--journal", journalPath(), "--key", keyPath(), "--csv", csv})
                 .exitCode,
             0);
    QFile file(csv);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    const QStringList names = QString::fromUtf8(lines[0].trimmed()).split(',');
    const QStringList values = QString::fromUtf8(lines[1].trimmed()).split(',');
    const QStringList columns{"total", "s1_gross", "s1_net", "s1_tare"};
    for (int i = 0; i < columns.size(); ++i)
      QCOMPARE(values[names.indexOf(columns[i])].toDouble(), logged[i].toDouble());
  }
};

QTEST_GUILESS_MAIN(RecordsCommandTest)
#include "tst_recordscommand.moc"
