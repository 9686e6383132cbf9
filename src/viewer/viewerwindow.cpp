#include "viewer/viewerwindow.h"

#include "journal/outputguard.h"

#include "journal/ticketcode.h"

#include <sys/stat.h>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDateEdit>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSplitter>
#include <QSqlQuery>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "journal/journal.h"
#include "journal/journalreader.h"
#include "journal/shown.h"
#include "viewer/background.h"
#include "viewer/exporter.h"
#include "viewer/printouts.h"
#include "viewer/recordschart.h"
#include "viewer/recordsmodel.h"
#include "viewer/recordtext.h"
#include "viewer/shippingstatus.h"
#include "viewer/verification.h"

namespace {

struct TotalsAndChart {
  JournalTotals totals;
  QList<ChartPoint> points;
  Failure failure;
};

TotalsAndChart readTotalsAndChart(const QString &path, const JournalFilter &filter) {
  TotalsAndChart result;
  JournalReader reader(path, background::connectionName("totals"));
  if (!reader.open(&result.failure))
    return result;
  result.totals = reader.totals(filter, &result.failure);
  if (result.failure)
    return result;
  JournalFilter newest = filter;
  newest.last = RecordsChart::kMostPoints;
  reader.forEach(
      newest,
      [&result](const JournalRecord &record) {
        const ShownValue total = shown::total(record);
        result.points << ChartPoint{record.seq,
                                    journaldates::localTime(record.takenAt),
                                    total.value(),
                                    record.overLimit.toDouble(),
                                    record.underLimit.toDouble(),
                                    QStringLiteral("seq %1, %2\n%3 %4 %5")
                                        .arg(record.seq)
                                        .arg(recordtext::takenText(record.takenAt), total.text(),
                                             record.totalUnit, record.netGross)};
        return true;
      },
      &result.failure);
  return result;
}
}  // namespace

Q_DECLARE_METATYPE(TotalsAndChart)

ViewerWindow::ViewerWindow(const QString &journalPath, const QString &keyPath,
                           const QString &headPath, const printouts::Site &site, QWidget *parent)
    : QMainWindow(parent),
      journalPath_(journalPath),
      keyPath_(keyPath),
      headPath_(headPath),
      site_(site) {
  setWindowTitle(QCoreApplication::translate("Viewer", "Weigh Station Records") +
                 QStringLiteral(" \u2014 ") + journalPath);
  resize(1200, 760);
  buildForm();
  buildMenus();
  if (!attach())
    lookForTheJournal();
}

// A journal not there yet (a new station's first day, the day after
// new-journal) is looked for each second: the monitor makes it at its first
// record.
void ViewerWindow::lookForTheJournal() {
  waiting_ = new QTimer(this);
  waiting_->setInterval(1000);
  connect(waiting_, &QTimer::timeout, this, [this] {
    if (!attach())
      return;
    waiting_->stop();
    waiting_->deleteLater();
    waiting_ = nullptr;
  });
  waiting_->start();
}

// Whether the file at the journal's path is still the journal shown; not
// after new-journal renamed it (the monitor makes a new one there).
bool ViewerWindow::stillTheJournalShown() const {
  struct stat now {};
  return ::stat(QFile::encodeName(journalPath_).constData(), &now) == 0 &&
         now.st_ino == shownInode_ && now.st_dev == shownDevice_;
}

// Lets go of everything that shows the journal, before the next one is
// shown: its connections, its model, its check and its status.
void ViewerWindow::detach() {
  ++shown_;
  follower_->stop();
  follower_->deleteLater();  // its tick may be the caller
  follower_ = nullptr;
  QItemSelectionModel *selection = table_->selectionModel();
  table_->setModel(nullptr);
  delete selection;
  delete model_;
  model_ = nullptr;
  delete verification_;
  verification_ = nullptr;
  delete exporter_;
  exporter_ = nullptr;
  statusBar()->removeWidget(shipping_);
  delete shipping_;
  shipping_ = nullptr;
  follow_.reset();
  reader_.reset();
  lastSeq_ = 0;
  recordText_->clear();
  totals_->clear();
  chart_->showPoints({}, 0, QString());
  progress_->setVisible(false);
}

// Opens the journal and builds everything that shows it; false (the reason
// on the badge) while it cannot be opened.
bool ViewerWindow::attach() {
  // The connection of an earlier try goes before a new one takes its name.
  reader_.reset();
  reader_ = std::make_unique<JournalReader>(journalPath_, QStringLiteral("weighstation-viewer"));
  Failure failure;
  if (!reader_->open(&failure)) {
    badge_->setText(failure.text());
    badge_->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    return false;
  }
  struct stat opened {};
  if (::stat(QFile::encodeName(journalPath_).constData(), &opened) == 0) {
    shownInode_ = opened.st_ino;
    shownDevice_ = opened.st_dev;
  }
  model_ = new RecordsModel(reader_->database(), this);
  table_->setModel(model_);
  // Columns fit the rows in view: looking further would fetch rows the view
  // does not show.
  table_->horizontalHeader()->setResizeContentsPrecision(0);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  connect(table_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &ViewerWindow::showSelected);

  VerifyOptions options = VerifyOptions::of(journalPath_, keyPath_);
  options.headPath = headPath_;
  verification_ = new Verification(options, this);
  exporter_ = new Exporter(this);
  connect(verification_, &Verification::progress, this, [this](qint64 done, qint64 total) {
    progress_->setMaximum(int(qMin<qint64>(total, INT_MAX)));
    progress_->setValue(int(qMin<qint64>(done, INT_MAX)));
  });
  connect(verification_, &Verification::checked, this, &ViewerWindow::showBadge);
  showBadge();
  verification_->check();
  showTotalsAndChart();

  // The table's query holds its connection's view of the journal while it
  // fetches; new records are looked for through a connection of their own.
  follow_ = std::make_unique<JournalReader>(journalPath_, QStringLiteral("weighstation-follow"));
  if (!follow_->open(&failure))
    tell(failure, QCoreApplication::translate("Viewer", "Records"), false);
  lastSeq_ = newestSeq();
  shipping_ = new ShippingStatusLine(this);
  shipping_->setObjectName(QStringLiteral("shipping"));
  statusBar()->addPermanentWidget(shipping_);
  shipping_->refresh(follow_->database(), lastSeq_);
  follower_ = new QTimer(this);
  follower_->setInterval(1000);
  connect(follower_, &QTimer::timeout, this, &ViewerWindow::follow);
  follower_->start();
  return true;
}

ViewerWindow::~ViewerWindow() {
  delete model_;  // its query goes before the reader's connection
  model_ = nullptr;
}

void ViewerWindow::buildForm() {
  auto *central = new QWidget(this);
  auto *column = new QVBoxLayout(central);
  column->addLayout(buildFilterBar(central));

  auto *check = new QHBoxLayout;
  badge_ = new QLabel(central);
  badge_->setObjectName(QStringLiteral("badge"));
  progress_ = new QProgressBar(central);
  progress_->setMaximumWidth(220);
  check->addWidget(badge_, 1);
  check->addWidget(progress_);
  column->addLayout(check);

  auto *split = new QSplitter(Qt::Vertical, central);
  table_ = new QTableView(split);
  table_->setObjectName(QStringLiteral("records"));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  auto *below = new QSplitter(Qt::Horizontal, split);
  recordText_ = new QPlainTextEdit(below);
  recordText_->setObjectName(QStringLiteral("recordText"));
  recordText_->setReadOnly(true);
  recordText_->setPlaceholderText(
      QCoreApplication::translate("Viewer", "The selected record's text log block"));
  recordText_->setFont(QFont(QStringLiteral("Liberation Mono")));
  chart_ = new RecordsChart(below);
  chart_->setObjectName(QStringLiteral("chart"));
  below->setSizes({380, 820});
  split->setSizes({420, 340});
  column->addWidget(split, 1);
  setCentralWidget(central);
}

// From and To dates, the text, and the count and sum of what they keep; a
// change applies a moment after the last keystroke.
QHBoxLayout *ViewerWindow::buildFilterBar(QWidget *parent) {
  auto *bar = new QHBoxLayout;
  fromOn_ = new QCheckBox(QCoreApplication::translate("Viewer", "From"), parent);
  from_ = new QDateEdit(QDate::currentDate().addDays(-7), parent);
  toOn_ = new QCheckBox(QCoreApplication::translate("Viewer", "To"), parent);
  to_ = new QDateEdit(QDate::currentDate(), parent);
  text_ = new QLineEdit(parent);
  text_->setPlaceholderText(
      QCoreApplication::translate("Viewer", "Text in the total line or the record"));
  for (QDateEdit *date : {from_, to_}) {
    date->setCalendarPopup(true);
    date->setDisplayFormat(recordtext::dateFormat());
  }
  fromOn_->setObjectName(QStringLiteral("filterFromOn"));
  from_->setObjectName(QStringLiteral("filterFrom"));
  toOn_->setObjectName(QStringLiteral("filterToOn"));
  to_->setObjectName(QStringLiteral("filterTo"));
  text_->setObjectName(QStringLiteral("filterText"));
  totals_ = new QLabel(parent);
  totals_->setObjectName(QStringLiteral("totals"));
  for (QWidget *widget : {static_cast<QWidget *>(fromOn_), static_cast<QWidget *>(from_),
                          static_cast<QWidget *>(toOn_), static_cast<QWidget *>(to_)})
    bar->addWidget(widget);
  bar->addWidget(text_, 1);
  bar->addWidget(totals_);

  filterPause_ = new QTimer(this);
  filterPause_->setSingleShot(true);
  filterPause_->setInterval(300);
  connect(filterPause_, &QTimer::timeout, this, &ViewerWindow::applyFilter);
  auto later = [this] { filterPause_->start(); };
  connect(fromOn_, &QCheckBox::toggled, this, later);
  connect(toOn_, &QCheckBox::toggled, this, later);
  connect(from_, &QDateEdit::dateChanged, this, later);
  connect(to_, &QDateEdit::dateChanged, this, later);
  connect(text_, &QLineEdit::textChanged, this, later);
  return bar;
}

void ViewerWindow::buildMenus() {
  QMenu *file = menuBar()->addMenu(QCoreApplication::translate("Viewer", "&File"));
  file->addAction(QCoreApplication::translate("Viewer", "Export CSV..."), this,
                  [this] { exportAs(ExportFormat::Csv); });
  file->addAction(QCoreApplication::translate("Viewer", "Export xlsx..."), this,
                  [this] { exportAs(ExportFormat::Xlsx); });
  file->addSeparator();
  file->addAction(QCoreApplication::translate("Viewer", "Print Ticket..."), this,
                  [this] { printTicket(false); });
  file->addAction(QCoreApplication::translate("Viewer", "Save Ticket as PDF..."), this,
                  [this] { printTicket(true); });
  file->addAction(QCoreApplication::translate("Viewer", "Print Report..."), this,
                  [this] { printReport(false); });
  file->addAction(QCoreApplication::translate("Viewer", "Save Report as PDF..."), this,
                  [this] { printReport(true); });
  file->addSeparator();
  file->addAction(QCoreApplication::translate("Viewer", "Quit"), QKeySequence::Quit, this,
                  &QWidget::close);
}

JournalFilter ViewerWindow::filterShown() const {
  JournalFilter filter;
  // A date of the date editors is always a date.
  Failure notADate;
  if (fromOn_->isChecked()) {
    filter.takenFrom =
        journaldates::takenAtBound(from_->date().toString(Qt::ISODate), false, &notADate);
  }
  if (toOn_->isChecked())
    filter.takenTo = journaldates::takenAtBound(to_->date().toString(Qt::ISODate), true, &notADate);
  filter.text = text_->text();
  return filter;
}

void ViewerWindow::applyFilter() {
  if (!model_)
    return;
  model_->setFilter(filterShown());
  // The selection went with the old rows: so does its text.
  showSelected();
  showTotalsAndChart();
}

void ViewerWindow::showTotalsAndChart() {
  totals_->setText(QCoreApplication::translate("Viewer", "counting..."));
  const JournalFilter filter = model_->filter();
  background::run<TotalsAndChart>(
      this, [path = journalPath_, filter] { return readTotalsAndChart(path, filter); },
      [this, filter, shown = shown_](TotalsAndChart result) {
        if (shown != shown_ || !(filter == model_->filter()))
          return;  // another journal shown, or the filter changed, meanwhile
        if (result.failure) {
          totals_->setText(QCoreApplication::translate("Viewer", "cannot count the records"));
          tell(result.failure, QCoreApplication::translate("Viewer", "Records"), false);
          return;
        }
        totals_->setText(recordtext::totalsLine(result.totals));
        QStringList units;
        for (const auto &sum : result.totals.sumByUnit)
          units << sum.first;
        chart_->showPoints(result.points, result.totals.count, units.join(QStringLiteral(", ")));
      });
}

void ViewerWindow::showBadge() {
  badge_->setText(verification_->badgeText());
  const bool checked = verification_->isDone();
  const char *colour = !checked ? "#555555" : verification_->intact() ? "#006400" : "#b00000";
  badge_->setStyleSheet(QStringLiteral("color: %1; font-weight: bold;").arg(QLatin1String(colour)));
  progress_->setVisible(verification_->isRunning());
  model_->setFirstBadSeq(verification_->intact() ? 0 : verification_->report().firstBadSeq());
}

qint64 ViewerWindow::newestSeq() {
  Failure failure;
  const qint64 newest = follow_->newest(&failure);
  if (newest < 0)
    tell(failure, QCoreApplication::translate("Viewer", "Records"), false);
  return newest < 0 ? lastSeq_ : newest;
}

// Every failure reaches the person one way: what they asked for and was
// cancelled, or what runs on by itself, on the status line; what they asked
// for and failed, in a box.
void ViewerWindow::tell(const Failure &failure, const QString &what, bool asked) {
  if (!failure)
    return;
  if (failure.kind() == Failure::Kind::Cancelled) {
    statusBar()->showMessage(
        QCoreApplication::translate("Viewer", "%1 cancelled: nothing written").arg(what), 5000);
    return;
  }
  if (!asked) {
    statusBar()->showMessage(QStringLiteral("%1: %2").arg(what, failure.text()));
    return;
  }
  QMessageBox::warning(this, what, failure.text());
}

void ViewerWindow::follow() {
  if (!model_)
    return;
  // Retired by new-journal: the new journal is shown once an export under
  // way has ended.
  if (!stillTheJournalShown() && !exporter_->isRunning()) {
    detach();
    if (!attach())
      lookForTheJournal();
    return;
  }
  shipping_->refresh(follow_->database(), lastSeq_);
  const qint64 last = newestSeq();
  if (last == lastSeq_)
    return;
  lastSeq_ = last;
  const qint64 selected = selectedRow() >= 0 ? model_->seqAt(selectedRow()) : 0;
  model_->refresh();
  if (selected > 0) {
    for (int row = 0; row < model_->rowCount(); ++row) {
      if (model_->seqAt(row) == selected) {
        table_->selectRow(row);
        break;
      }
    }
  }
  showTotalsAndChart();
  verification_->check();
  showBadge();
}

int ViewerWindow::selectedRow() const {
  const QModelIndexList rows = table_->selectionModel()->selectedRows();
  return rows.isEmpty() ? -1 : rows.first().row();
}

void ViewerWindow::showSelected() {
  const int row = selectedRow();
  recordText_->setPlainText(
      row < 0 ? QString() : recordtext::blockLines(model_->recordAt(row).block).join(u'\n'));
}

JournalRecord ViewerWindow::recordAt(int row, Failure *failure) const {
  JournalRecord found;
  JournalFilter one;
  one.seqFrom = one.seqTo = model_->seqAt(row);
  reader_->forEach(
      one,
      [&found](const JournalRecord &record) {
        found = record;
        return false;
      },
      failure);
  if (found.seq == 0 && !failure->failed())
    *failure = Failure(Failure::Kind::Corrupt,
                       QStringLiteral("record %1 is no longer in the journal").arg(one.seqFrom),
                       one.seqFrom);
  return found;
}

bool ViewerWindow::exportShown(ExportFormat format, const QString &path, bool unverified,
                               Failure *failure) {
  if (!outputguard::allowedFor(path, journalPath_, keyPath_, headPath_, failure))
    return false;
  if (!verification_->isDone() || verification_->isRunning()) {
    *failure =
        Failure(Failure::Kind::Refused, QStringLiteral("the journal is still being checked"));
    return false;
  }
  if (!verification_->intact() && !unverified) {
    *failure =
        Failure(Failure::Kind::Refused,
                QStringLiteral("the journal does not verify (%1)").arg(verification_->badgeText()));
    return false;
  }
  ExportOptions options;
  options.format = format;
  options.path = path;
  options.filter = model_->filter();
  options.unverified = !verification_->intact();
  if (!exporter_->start(journalPath_, options)) {
    *failure = Failure(Failure::Kind::Refused, QStringLiteral("an export runs already"));
    return false;
  }
  return true;
}

void ViewerWindow::exportAs(ExportFormat format) {
  if (!model_)
    return;
  bool unverified = false;
  if (verification_->isDone() && !verification_->isRunning() && !verification_->intact()) {
    unverified =
        QMessageBox::question(
            this, QCoreApplication::translate("Viewer", "Export"),
            QCoreApplication::translate("Viewer", "%1\n\nExport the records marked as UNVERIFIED?")
                .arg(verification_->badgeText()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    if (!unverified)
      return;
  }
  const QString path = QFileDialog::getSaveFileName(
      this, QCoreApplication::translate("Viewer", "Export records"), QString(),
      format == ExportFormat::Csv ? QCoreApplication::translate("Viewer", "CSV files (*.csv)")
                                  : QCoreApplication::translate("Viewer", "Excel files (*.xlsx)"));
  if (path.isEmpty())
    return;
  Failure failure;
  if (!exportShown(format, path, unverified, &failure)) {
    tell(failure, QCoreApplication::translate("Viewer", "Export"));
    return;
  }
  // Shown after a second, cancelled by its button; the window goes on.
  auto *progress = new QProgressDialog(
      QCoreApplication::translate("Viewer", "Exporting records to %1...").arg(path),
      QCoreApplication::translate("Viewer", "Cancel"), 0, 100, this);
  progress->setAttribute(Qt::WA_DeleteOnClose);
  progress->setMinimumDuration(1000);
  progress->setValue(0);
  connect(progress, &QProgressDialog::canceled, exporter_, &Exporter::cancel);
  connect(exporter_, &Exporter::progress, progress, [progress](qint64 done, qint64 total) {
    progress->setValue(int(total > 0 ? 100 * done / total : 100));
  });
  connect(exporter_, &Exporter::finished, progress,
          [this, progress, path](qint64 rows, const Failure &failure) {
            progress->close();
            if (rows >= 0)
              statusBar()->showMessage(
                  QCoreApplication::translate("Viewer", "Exported %1 records to %2")
                      .arg(rows)
                      .arg(path),
                  5000);
            else
              tell(failure, QCoreApplication::translate("Viewer", "Export"));
          });
}

// A ticket carries its record's code when the journal holds the epoch key
// that sealed it.
printouts::Context ViewerWindow::ticketContext(const JournalRecord &record) const {
  printouts::Context context = printContext();
  QList<signingkeys::EpochCertificate> epochKeys;
  Failure unread;
  if (reader_ && reader_->epochKeys(&epochKeys, &unread))
    context.ticketCode = ticketcode::of(record, epochKeys);
  return context;
}

printouts::Context ViewerWindow::printContext() const {
  printouts::Context context;
  context.site = site_;
  context.printedAt = QDateTime::currentDateTime();
  if (verification_->isDone() && !verification_->isRunning())
    context.check = printouts::CheckState::of(verification_->report());
  return context;
}

printouts::ReportRequest ViewerWindow::reportRequest() const {
  printouts::ReportRequest request;
  request.filter = model_->filter();
  const QString from = fromOn_->isChecked() ? recordtext::localDate(from_->date()) : QString();
  const QString to = toOn_->isChecked() ? recordtext::localDate(to_->date()) : QString();
  request.period = printouts::periodText(from, to);
  if (!request.filter.text.isEmpty())
    request.filterText = QStringLiteral("records containing \"%1\"").arg(request.filter.text);
  return request;
}

bool ViewerWindow::saveTicket(int row, const QString &path, bool unverified, Failure *failure,
                              int pageSize) {
  if (!outputguard::allowedFor(path, journalPath_, keyPath_, headPath_, failure))
    return false;
  const JournalRecord record = recordAt(row, failure);
  if (record.seq == 0)
    return false;
  const printouts::Context context = ticketContext(record);
  if (!context.check.trusts(record.seq) && !unverified) {
    *failure = Failure(
        Failure::Kind::Refused,
        QStringLiteral("seq %1 is not printed: %2").arg(record.seq).arg(context.check.line()),
        record.seq);
    return false;
  }
  return printouts::savePdf(
      path, pageSize,
      [&](QPagedPaintDevice *device, Failure *failed) {
        return printouts::paintTicket(device, record, context, failed);
      },
      failure);
}

bool ViewerWindow::saveReport(const QString &path, Failure *failure) {
  if (!outputguard::allowedFor(path, journalPath_, keyPath_, headPath_, failure))
    return false;
  const printouts::Context context = printContext();
  const printouts::ReportRequest request = reportRequest();
  return printouts::savePdf(
      path, QPageSize::A4,
      [&](QPagedPaintDevice *device, Failure *failed) {
        return printouts::paintReport(device, *reader_, request, context, failed);
      },
      failure);
}

// A record the journal's check does not vouch for is printed only when the
// operator says so, and then marked.
bool ViewerWindow::mayPrint(const JournalRecord &record) {
  const printouts::CheckState check = printContext().check;
  if (check.trusts(record.seq))
    return true;
  return QMessageBox::question(
             this, QCoreApplication::translate("Viewer", "Ticket"),
             QCoreApplication::translate("Viewer",
                                         "%1.\n\nPrint the ticket of seq %2 marked "
                                         "as UNVERIFIED?")
                 .arg(check.line())
                 .arg(record.seq),
             QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

void ViewerWindow::printTicket(bool toPdf) {
  const int row = selectedRow();
  if (!model_ || row < 0) {
    QMessageBox::information(this, QCoreApplication::translate("Viewer", "Ticket"),
                             QCoreApplication::translate("Viewer", "Select a record first."));
    return;
  }
  Failure failure;
  const JournalRecord record = recordAt(row, &failure);
  if (record.seq == 0) {
    tell(failure, QCoreApplication::translate("Viewer", "Ticket"));
    return;
  }
  if (!mayPrint(record))
    return;
  if (toPdf) {
    const QString path =
        QFileDialog::getSaveFileName(this, QCoreApplication::translate("Viewer", "Save ticket"),
                                     printouts::ticketFileName(record),
                                     QCoreApplication::translate("Viewer", "PDF files (*.pdf)"));
    if (!path.isEmpty() && !saveTicket(row, path, true, &failure))
      tell(failure, QCoreApplication::translate("Viewer", "Ticket"));
    return;
  }
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted &&
      !printouts::paintTicket(&printer, record, ticketContext(record), &failure))
    tell(failure, QCoreApplication::translate("Viewer", "Ticket"));
}

void ViewerWindow::printReport(bool toPdf) {
  if (!model_)
    return;
  Failure failure;
  if (toPdf) {
    const QString from =
        fromOn_->isChecked() ? from_->date().toString(Qt::ISODate) : QStringLiteral("first");
    const QString to =
        toOn_->isChecked() ? to_->date().toString(Qt::ISODate) : QStringLiteral("last");
    const QString path =
        QFileDialog::getSaveFileName(this, QCoreApplication::translate("Viewer", "Save report"),
                                     printouts::reportFileName(from, to),
                                     QCoreApplication::translate("Viewer", "PDF files (*.pdf)"));
    if (!path.isEmpty() && !saveReport(path, &failure))
      tell(failure, QCoreApplication::translate("Viewer", "Report"));
    return;
  }
  QPrinter printer;
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() == QDialog::Accepted &&
      !printouts::paintReport(&printer, *reader_, reportRequest(), printContext(), &failure))
    tell(failure, QCoreApplication::translate("Viewer", "Report"));
}
