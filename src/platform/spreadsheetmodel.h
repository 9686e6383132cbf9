// The in-memory state of the stand-in spreadsheet application, and the
// writer that saves one of its workbooks as an .xlsx file.
#pragma once

#include <QMap>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>
#include <memory>

namespace spreadsheet {

struct Worksheet {
  QString name;
  QMap<QPair<int, int>, QVariant> cells;  // (row, column), both from 1
};

struct Workbook {
  QVector<std::shared_ptr<Worksheet>> sheets;
  bool open = true;
  QString savedAs;
};

struct Application {
  bool visible = false;
  bool quit = false;
  QVector<std::shared_ptr<Workbook>> workbooks;
};

// Writes the workbook as .xlsx at path; returns an empty text or the error.
QString saveWorkbook(const Workbook &workbook, const QString &path);

// "B12" gives (12, 2); an invalid reference gives (0, 0).
QPair<int, int> parseCellReference(const QString &reference);

}  // namespace spreadsheet
