#include "deskwindow/masterdatadialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

MasterDataDialog::MasterDataDialog(masterdata::MasterData &data, const QString &table,
                                   QWidget *parent)
    : QDialog(parent), data_(data), table_(table) {
  setWindowTitle(QCoreApplication::translate("Desk", "Weighing Desk: %1").arg(table));
  const masterdata::Table *described = masterdata::tableNamed(table);
  rows_ = new QTableWidget(0, int(described->columns.size()), this);
  rows_->setHorizontalHeaderLabels(described->columns);
  rows_->horizontalHeader()->setStretchLastSection(true);
  auto *layout = new QVBoxLayout(this);
  layout->addWidget(rows_);
  auto *actions = new QHBoxLayout;
  const std::pair<const char *, void (MasterDataDialog::*)()> kActions[] = {
      {QT_TRANSLATE_NOOP("Desk", "Import CSV..."), &MasterDataDialog::importCsv},
      {QT_TRANSLATE_NOOP("Desk", "Export CSV..."), &MasterDataDialog::exportCsv}};
  auto *add = new QPushButton(QCoreApplication::translate("Desk", "Add a row"), this);
  connect(add, &QPushButton::clicked, this, [this] { rows_->insertRow(rows_->rowCount()); });
  auto *remove = new QPushButton(QCoreApplication::translate("Desk", "Remove the row"), this);
  connect(remove, &QPushButton::clicked, this, [this] {
    const int row = rows_->currentRow();
    if (row < 0)
      return;
    if (const QTableWidgetItem *key = rows_->item(row, 0); key && !key->text().isEmpty())
      removed_ << key->text();
    rows_->removeRow(row);
  });
  actions->addWidget(add);
  actions->addWidget(remove);
  for (const auto &[label, slot] : kActions) {
    auto *button = new QPushButton(QCoreApplication::translate("Desk", label), this);
    connect(button, &QPushButton::clicked, this, slot);
    actions->addWidget(button);
  }
  layout->addLayout(actions);
  auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &MasterDataDialog::save);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
  resize(720, 420);
  load();
}

void MasterDataDialog::load() {
  Failure failure;
  const QList<QStringList> rows = data_.rows(table_, &failure);
  rows_->setRowCount(int(rows.size()));
  for (int r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < rows[r].size(); ++c)
      rows_->setItem(r, c, new QTableWidgetItem(rows[r][c]));
  }
  removed_.clear();
  if (failure.failed())
    QMessageBox::warning(this, windowTitle(), failure.text());
}

void MasterDataDialog::save() {
  Failure failure;
  for (const QString &key : removed_) {
    if (!data_.remove(table_, key, &failure) && failure.kind() != Failure::Kind::Refused)
      break;
    failure = Failure();
  }
  for (int r = 0; r < rows_->rowCount() && !failure.failed(); ++r) {
    QStringList row;
    for (int c = 0; c < rows_->columnCount(); ++c)
      row << (rows_->item(r, c) ? rows_->item(r, c)->text() : QString());
    if (!row.first().trimmed().isEmpty())
      data_.put(table_, row, &failure);
  }
  if (failure.failed()) {
    QMessageBox::warning(this, windowTitle(), failure.text());
    return;
  }
  accept();
}

void MasterDataDialog::importCsv() {
  const QString path = QFileDialog::getOpenFileName(
      this, QCoreApplication::translate("Desk", "Import %1").arg(table_), QString(),
      QCoreApplication::translate("Desk", "CSV files (*.csv)"));
  if (path.isEmpty())
    return;
  Failure failure;
  qint64 imported = 0;
  if (!data_.importCsv(table_, path, &imported, &failure)) {
    QMessageBox::warning(this, windowTitle(), failure.text());
    return;
  }
  load();
}

void MasterDataDialog::exportCsv() {
  const QString path = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("Desk", "Export %1").arg(table_),
      table_ + QStringLiteral(".csv"), QCoreApplication::translate("Desk", "CSV files (*.csv)"));
  if (path.isEmpty())
    return;
  if (Failure failure; !data_.exportCsv(table_, path, &failure))
    QMessageBox::warning(this, windowTitle(), failure.text());
}
