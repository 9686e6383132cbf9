// The spreadsheet log: a new visible workbook of the spreadsheet application,
// driven through its automation interface; one row per record in the first
// worksheet, saved under the operator's file name when the log stops.
#pragma once

#include <QDateTime>
#include <QString>

#include "platform/axobject.h"

class SpreadsheetLog {
 public:
  ~SpreadsheetLog();

  bool isRunning() const { return excel_workbook != nullptr; }
  // Names the workbook that the last start began, among all runs.
  const QString &session() const { return session_; }
  void start();
  void writeSpreadsheetRow(int row, double total, const QString &time);
  // Saves the workbook under `fileName`, closes it and quits the
  // application. Returns an empty text, or why the save failed; a workbook
  // that could not be saved is kept open and the log keeps running.
  QString stop(const QString &fileName);
  // Whether the last stop failed: the log then runs on only to keep the
  // workbook's rows until a save succeeds.
  bool lastStopFailed() const { return lastStopFailed_; }

  // How the workbook was kept when the program ended with the log running.
  struct EndSave {
    QString failure;          // why the save under the chosen name failed
    QString fallbackPath;     // where the rows went instead, when they did
    QString fallbackFailure;  // why that failed too
  };
  // Saves the workbook under `fileName`, or else under `fallbackPath`
  // (its folder made first), then closes it and quits the application.
  EndSave saveAtEnd(const QString &fileName, const QString &fallbackPath);

  AxObject *excel_app = nullptr;
  AxObject *excel_application = nullptr;
  AxObject *excel_workbooks = nullptr;
  AxObject *excel_workbook = nullptr;
  AxObject *excel_sheet_1 = nullptr;
  AxObject *excel_sheet_2 = nullptr;
  AxObject *excel_range = nullptr;

 private:
  QString save(const QString &fileName);
  void closeAndQuit();
  void release();

  bool lastStopFailed_ = false;
  QString session_;
};

// The file name as the spreadsheet application expects it: with the
// platform's own separators.
QString spreadsheetSaveName(const QString &fileName);

// Where a workbook that could not be saved under its name at the end goes:
// "<dataFolder>/unsaved/<base name>-<yyyyMMdd-HHmmss>.xlsx".
QString unsavedWorkbookPath(const QString &dataFolder, const QString &fileName,
                            const QDateTime &when);
