// The spreadsheet log: a new visible workbook of the spreadsheet application,
// driven through its automation interface; one row per record in the first
// worksheet, saved under the operator's file name when the log stops.
#pragma once

#include <QString>

#include "platform/axobject.h"

class SpreadsheetLog {
 public:
  ~SpreadsheetLog();

  bool isRunning() const { return excel_workbook != nullptr; }
  void start();
  void writeSpreadsheetRow(int row, double total, const QString &time);
  // Saves the workbook under `fileName`, closes it and quits the
  // application. Returns an empty text, or why the save failed; a workbook
  // that could not be saved is kept open and the log keeps running.
  QString stop(const QString &fileName);

  AxObject *excel_app = nullptr;
  AxObject *excel_application = nullptr;
  AxObject *excel_workbooks = nullptr;
  AxObject *excel_workbook = nullptr;
  AxObject *excel_sheet_1 = nullptr;
  AxObject *excel_sheet_2 = nullptr;
  AxObject *excel_range = nullptr;

 private:
  void release();
};

// The file name as the spreadsheet application expects it: with the
// platform's own separators.
QString spreadsheetSaveName(const QString &fileName);
