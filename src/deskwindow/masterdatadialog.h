// The desk's master data edited: one table (vehicles, customers or
// products) as rows to change, add and remove, and its CSV in and out.
// Written to the data file when the operator saves.
#pragma once

#include <QDialog>

#include "desk/masterdata.h"

class QTableWidget;

class MasterDataDialog : public QDialog {
  Q_OBJECT
 public:
  MasterDataDialog(masterdata::MasterData &data, const QString &table, QWidget *parent);

 private:
  void load();
  void save();
  void importCsv();
  void exportCsv();

  masterdata::MasterData &data_;
  QString table_;
  QTableWidget *rows_;
  QStringList removed_;
};
