// The spreadsheet log through the automation layer, and the workbook it
// saves, read back with an independent reader.
#include <QFileInfo>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include "logging/spreadsheetlog.h"
#include "platform/spreadsheetmodel.h"
#include "xlsxreader.h"

class SpreadsheetTest : public QObject {
  Q_OBJECT
 private Q_SLOTS:
  void startMakesAVisibleNamedWorkbook() {
    SpreadsheetLog log;
    log.start();
    QVERIFY(log.isRunning());
    auto app = log.excel_app->application();
    QVERIFY(app->visible);
    QCOMPARE(app->workbooks.size(), 1);
    const auto &sheets = app->workbooks[0]->sheets;
    QCOMPARE(sheets.size(), 2);
    QCOMPARE(sheets[0]->name, QString("Korvel Data 1"));
    QCOMPARE(sheets[1]->name, QString("Korvel Data 2"));
    QCOMPARE(sheets[0]->cells.value({1, 1}).toString(), QString("Data"));
    QCOMPARE(sheets[0]->cells.value({1, 2}).toString(), QString("Time"));
  }

  void rowsAreSavedAsNumbersAndTexts() {
    QTemporaryDir dir;
    const QString path = dir.filePath("weights.xlsx");
    SpreadsheetLog log;
    log.start();
    log.writeSpreadsheetRow(2, 1234.0003, "1:05:09 pm");
    log.writeSpreadsheetRow(5, 5.25, "1:06:00 pm");
    QCOMPARE(log.stop(path), QString());
    QVERIFY(!log.isRunning());
    QVERIFY(QFileInfo::exists(path));

    const QJsonArray book = readWorkbook(path);
    QCOMPARE(book.size(), 2);
    QCOMPARE(book[0].toObject()["name"].toString(), QString("Korvel Data 1"));
    QCOMPARE(book[1].toObject()["name"].toString(), QString("Korvel Data 2"));
    const QJsonObject cells = book[0].toObject()["cells"].toObject();
    QCOMPARE(cells.keys(), (QStringList{"A1", "A2", "A5", "B1", "B2", "B5"}));
    QCOMPARE(cells["A1"].toArray()[0].toString(), QString("Data"));
    QCOMPARE(cells["B1"].toArray()[0].toString(), QString("Time"));
    QCOMPARE(cells["A2"].toArray()[0].toDouble(), 1234.0003);
    QCOMPARE(cells["A2"].toArray()[1].toString(), QString("number"));
    QCOMPARE(cells["B2"].toArray()[0].toString(), QString("1:05:09 pm"));
    QCOMPARE(cells["B2"].toArray()[1].toString(), QString("text"));
    QCOMPARE(cells["A5"].toArray()[0].toDouble(), 5.25);
    QVERIFY(book[1].toObject()["cells"].toObject().isEmpty());
  }

  void aFailedSaveIsReported() {
    SpreadsheetLog log;
    log.start();
    log.writeSpreadsheetRow(2, 1.0, "t");
    QVERIFY(!log.stop("/nonexistent-folder/weights.xlsx").isEmpty());
  }

  void nativeSeparators() {
    QCOMPARE(spreadsheetSaveName("/data/weights.xlsx"), QString("/data/weights.xlsx"));
  }

  void automationLayerRefusesWhatItDoesNotKnow() {
    AxObject app(QStringLiteral("Excel.Application"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Foo\\(\\): no such member"));
    QVERIFY(app.querySubObject("Foo()") == nullptr);
    AxObject *workbooks = app.querySubObject("Workbooks()");
    QVERIFY(workbooks);
    AxObject *book = workbooks->querySubObject("Add()");
    QVERIFY(book);
    QVERIFY(book->querySubObject("Worksheets(int)", 3) == nullptr);
    AxObject *sheet = book->querySubObject("Worksheets(int)", 1);
    QVERIFY(sheet->querySubObject("Range( QString )", "A1:B1"));
    QVERIFY(sheet->querySubObject("Range ( QString )", "A15:B15"));
    QVERIFY(sheet->querySubObject("Range(QString)", "1A") == nullptr);
    QVERIFY(!sheet->setProperty("Name", QStringLiteral("bad/name")));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("not initialized"));
    AxObject null;
    QVERIFY(null.isNull());
    QVERIFY(!null.dynamicCall("Quit()").isValid());
    AxObject unknown(QStringLiteral("Word.Application"));
    QVERIFY(unknown.isNull());
  }

  void cellReferences() {
    using spreadsheet::parseCellReference;
    QCOMPARE(parseCellReference("A1"), qMakePair(1, 1));
    QCOMPARE(parseCellReference("B15"), qMakePair(15, 2));
    QCOMPARE(parseCellReference("AA3"), qMakePair(3, 27));
    QCOMPARE(parseCellReference("A0"), qMakePair(0, 0));
    QCOMPARE(parseCellReference(""), qMakePair(0, 0));
  }
};

QTEST_GUILESS_MAIN(SpreadsheetTest)
#include "tst_spreadsheet.moc"
