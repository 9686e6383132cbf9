#include "logging/spreadsheetlog.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QUuid>

// The logging layer's own diagnostics, beyond the system's.
Q_LOGGING_CATEGORY(loggingLog, "weighstation.logging")

namespace {
// Automation objects may be missing (no application, a refused call); the
// log goes on without them and the automation layer has said why.
bool present(AxObject *object, const char *what) {
  if (!object)
    qCDebug(loggingLog, "spreadsheet log: no %s object", what);
  return object != nullptr;
}
}  // namespace

QString spreadsheetSaveName(const QString &fileName) {
  return QDir::toNativeSeparators(fileName);
}

SpreadsheetLog::~SpreadsheetLog() {
  release();
}

void SpreadsheetLog::release() {
  // Sub-objects are children of the application object.
  delete excel_app;
  excel_app = excel_application = excel_workbooks = excel_workbook = nullptr;
  excel_sheet_1 = excel_sheet_2 = excel_range = nullptr;
}

void SpreadsheetLog::start() {
  release();
  lastStopFailed_ = false;
  session_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
  excel_app = new AxObject(QStringLiteral("Excel.Application"));
  excel_application = excel_app->querySubObject("Application()");
  excel_workbooks = excel_app->querySubObject("Workbooks()");
  if (present(excel_workbooks, "workbooks"))
    excel_workbook = excel_workbooks->querySubObject("Add()");
  if (present(excel_workbook, "workbook")) {
    excel_sheet_1 = excel_workbook->querySubObject("Worksheets(int)", 1);
    excel_sheet_2 = excel_workbook->querySubObject("Worksheets(int)", 2);
  }
  if (present(excel_application, "application"))
    excel_application->setProperty("Visible", true);
  if (present(excel_sheet_1, "first worksheet")) {
    excel_sheet_1->setProperty("Name", QStringLiteral("Korvel Data 1"));
  }
  if (present(excel_sheet_2, "second worksheet")) {
    excel_sheet_2->setProperty("Name", QStringLiteral("Korvel Data 2"));
  }
  if (excel_sheet_1) {
    excel_range = excel_sheet_1->querySubObject("Range( QString )", QStringLiteral("A1:B1"));
    if (present(excel_range, "range")) {
      excel_range->setProperty("Value",
                               QVariantList{QStringLiteral("Data"), QStringLiteral("Time")});
    }
  }
}

void SpreadsheetLog::writeSpreadsheetRow(int row, double total, const QString &time) {
  if (!present(excel_sheet_1, "first worksheet"))
    return;
  QString cells = QStringLiteral("Ax:Bx");
  cells.replace(QLatin1Char('x'), QString::number(row));
  // Each row asks for its own range; the one before is no longer needed.
  delete excel_range;
  excel_range = excel_sheet_1->querySubObject("Range ( QString )", cells);
  if (present(excel_range, "range"))
    excel_range->setProperty("Value", QVariantList{total, time});
}

QString SpreadsheetLog::save(const QString &fileName) {
  if (!present(excel_workbook, "workbook"))
    return QStringLiteral("no workbook was open");
  QString failure;
  auto connection = QObject::connect(excel_workbook, &AxObject::exception,
                                     [&failure](int, const QString &, const QString &description,
                                                const QString &) { failure = description; });
  const QVariant saved = excel_workbook->dynamicCall("SaveAs(const QString&)", fileName);
  QObject::disconnect(connection);
  if (failure.isEmpty() && saved.isValid() && !saved.toBool())
    failure = QStringLiteral("the save was refused");
  return failure;
}

void SpreadsheetLog::closeAndQuit() {
  if (excel_workbook)
    excel_workbook->dynamicCall("Close()");
  if (present(excel_app, "application"))
    excel_app->dynamicCall("Quit()");
  release();
  lastStopFailed_ = false;
}

QString SpreadsheetLog::stop(const QString &fileName) {
  const QString failure = save(fileName);
  // A workbook that could not be saved stays open, rows and all, for
  // another try.
  lastStopFailed_ = !failure.isEmpty() && excel_workbook;
  if (!lastStopFailed_)
    closeAndQuit();
  return failure;
}

SpreadsheetLog::EndSave SpreadsheetLog::saveAtEnd(const QString &fileName,
                                                  const QString &fallbackPath) {
  EndSave result;
  result.failure = save(fileName);
  if (!result.failure.isEmpty() && excel_workbook) {
    result.fallbackPath = fallbackPath;
    result.fallbackFailure = QDir().mkpath(QFileInfo(fallbackPath).absolutePath())
                                 ? save(fallbackPath)
                                 : QStringLiteral("cannot make its folder");
  }
  closeAndQuit();
  return result;
}

QString unsavedWorkbookPath(const QString &dataFolder, const QString &fileName,
                            const QDateTime &when) {
  QString base = QFileInfo(QDir::fromNativeSeparators(fileName)).completeBaseName();
  if (base.isEmpty())
    base = QStringLiteral("workbook");
  return QStringLiteral("%1/unsaved/%2-%3.xlsx")
      .arg(dataFolder, base, when.toString(QStringLiteral("yyyyMMdd-HHmmss")));
}
