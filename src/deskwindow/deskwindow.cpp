#include "deskwindow/deskwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSize>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>
#include <QTableWidget>
#include <QThread>
#include <QTimer>
#include <QVBoxLayout>

#include "deskwindow/masterdatadialog.h"
#include "following/journalwatch.h"
#include "journal/journalreader.h"
#include "journal/ticketcode.h"
#include "journal/verifier.h"
#include "viewer/recordtext.h"

namespace {

constexpr int kRecordsShown = 50;
constexpr int kTransactionsShown = 100;
}  // namespace

DeskWindow::DeskWindow(const Setup &setup, QWidget *parent) : QMainWindow(parent), setup_(setup) {
  setWindowTitle(QCoreApplication::translate("Desk", "Weighing Desk"));
  printer_.restore();
  // The desk's own data, there before the journal is: a transaction can be
  // prepared for the monitor's very first record.
  data_ = std::make_unique<masterdata::MasterData>(setup_.deskData);
  auto *splitter = new QSplitter(this);
  splitter->addWidget(makeForm());
  splitter->addWidget(makeLists());
  splitter->setStretchFactor(1, 1);
  setCentralWidget(splitter);
  makeMenus();
  status_ = new QLabel(this);
  status_->setObjectName(QStringLiteral("status"));
  status_->setWordWrap(true);
  statusBar()->addWidget(status_, 1);
  auto *poll = new QTimer(this);
  connect(poll, &QTimer::timeout, this, &DeskWindow::look);
  poll->start(1000);
  watch_ = new JournalWatch(setup_.journal, this);
  connect(watch_, &JournalWatch::changed, this, &DeskWindow::look);
  QTimer::singleShot(0, this, &DeskWindow::look);
}

DeskWindow::~DeskWindow() {
  // Its result, posted to this window, goes with it.
  if (checkThread_)
    checkThread_->wait();
  delete checkThread_;
}

const transactions::TransactionCheck *DeskWindow::state() const {
  return desk_ ? &desk_->state() : nullptr;
}

QWidget *DeskWindow::makeForm() {
  auto *form = new QWidget(this);
  auto *layout = new QFormLayout(form);
  kind_ = new QComboBox(form);
  kind_->setObjectName(QStringLiteral("kind"));
  kind_->addItems({QCoreApplication::translate("Desk", "Single weighing"),
                   QCoreApplication::translate("Desk", "With the stored tare"),
                   QCoreApplication::translate("Desk", "Store the vehicle's tare"),
                   QCoreApplication::translate("Desk", "First weighing, inbound"),
                   QCoreApplication::translate("Desk", "First weighing, outbound"),
                   QCoreApplication::translate("Desk", "Second weighing")});
  layout->addRow(QCoreApplication::translate("Desk", "Kind"), kind_);
  auto field = [&](QLineEdit **edit, const char *name, const QString &label) {
    *edit = new QLineEdit(form);
    (*edit)->setObjectName(QString::fromLatin1(name));
    layout->addRow(label, *edit);
  };
  field(&recall_, "recall", QCoreApplication::translate("Desk", "Interim ticket or registration"));
  field(&vehicle_, "vehicle", QCoreApplication::translate("Desk", "Vehicle"));
  field(&container_, "container", QCoreApplication::translate("Desk", "Container"));
  field(&customer_, "customer", QCoreApplication::translate("Desk", "Customer"));
  field(&product_, "product", QCoreApplication::translate("Desk", "Product"));
  field(&haulier_, "haulier", QCoreApplication::translate("Desk", "Haulier"));
  field(&reference_, "reference", QCoreApplication::translate("Desk", "Reference"));
  field(&operator_, "operator", QCoreApplication::translate("Desk", "Operator"));
  field(&note_, "note", QCoreApplication::translate("Desk", "Note"));
  // A handheld scanner types the interim ticket's code and Enter.
  connect(recall_, &QLineEdit::returnPressed, this, &DeskWindow::arm);
  arm_ = new QPushButton(QCoreApplication::translate("Desk", "Prepare for the next record"), form);
  arm_->setObjectName(QStringLiteral("arm"));
  cancel_ = new QPushButton(QCoreApplication::translate("Desk", "Cancel"), form);
  cancel_->setObjectName(QStringLiteral("cancel"));
  cancel_->setEnabled(false);
  connect(arm_, &QPushButton::clicked, this, &DeskWindow::arm);
  connect(cancel_, &QPushButton::clicked, this, &DeskWindow::cancel);
  auto *buttons = new QHBoxLayout;
  buttons->addWidget(arm_);
  buttons->addWidget(cancel_);
  layout->addRow(buttons);
  waiting_ = new QLabel(form);
  waiting_->setObjectName(QStringLiteral("waiting"));
  waiting_->setWordWrap(true);
  layout->addRow(waiting_);
  onSite_ = new QListWidget(form);
  onSite_->setObjectName(QStringLiteral("onSite"));
  connect(onSite_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem *item) {
    kind_->setCurrentIndex(int(Kind::Second));
    recall_->setText(item->data(Qt::UserRole).toString());
  });
  layout->addRow(new QLabel(QCoreApplication::translate("Desk", "Vehicles on site"), form));
  layout->addRow(onSite_);
  return form;
}

QWidget *DeskWindow::makeLists() {
  auto *lists = new QWidget(this);
  auto *layout = new QVBoxLayout(lists);
  auto table = [&](const char *name, const QStringList &headings) {
    auto *made = new QTableWidget(0, int(headings.size()), lists);
    made->setObjectName(QString::fromLatin1(name));
    made->setHorizontalHeaderLabels(headings);
    made->setSelectionBehavior(QAbstractItemView::SelectRows);
    made->setSelectionMode(QAbstractItemView::SingleSelection);
    made->setEditTriggers(QAbstractItemView::NoEditTriggers);
    made->verticalHeader()->hide();
    made->setWordWrap(false);
    made->horizontalHeader()->setStretchLastSection(true);
    return made;
  };
  layout->addWidget(new QLabel(QCoreApplication::translate("Desk", "Latest records"), lists));
  records_ = table("records", {QCoreApplication::translate("Desk", "Seq"),
                               QCoreApplication::translate("Desk", "Taken"),
                               QCoreApplication::translate("Desk", "Total"),
                               QCoreApplication::translate("Desk", "Transaction")});
  layout->addWidget(records_, 2);
  auto *bind = new QPushButton(
      QCoreApplication::translate("Desk", "Bind the selected record to the prepared transaction"),
      lists);
  bind->setObjectName(QStringLiteral("bind"));
  connect(bind, &QPushButton::clicked, this, &DeskWindow::bindSelected);
  layout->addWidget(bind);
  layout->addWidget(new QLabel(QCoreApplication::translate("Desk", "Transactions"), lists));
  transactions_ = table(
      "transactions",
      {QCoreApplication::translate("Desk", "Transaction"),
       QCoreApplication::translate("Desk", "Kind"), QCoreApplication::translate("Desk", "Vehicle"),
       QCoreApplication::translate("Desk", "Customer"),
       QCoreApplication::translate("Desk", "Product"), QCoreApplication::translate("Desk", "Net"),
       QCoreApplication::translate("Desk", "State")});
  layout->addWidget(transactions_, 3);
  auto *actions = new QHBoxLayout;
  const std::pair<const char *, void (DeskWindow::*)()> kActions[] = {
      {QT_TRANSLATE_NOOP("Desk", "Print again"), &DeskWindow::printAgain},
      {QT_TRANSLATE_NOOP("Desk", "Void..."), &DeskWindow::voidSelected},
      {QT_TRANSLATE_NOOP("Desk", "Correct with the form's data..."), &DeskWindow::correctSelected}};
  for (const auto &[label, slot] : kActions) {
    auto *button = new QPushButton(QCoreApplication::translate("Desk", label), lists);
    connect(button, &QPushButton::clicked, this, slot);
    actions->addWidget(button);
  }
  layout->addLayout(actions);
  layout->addWidget(
      new QLabel(QCoreApplication::translate("Desk", "Tickets waiting to print"), lists));
  queue_ = new QListWidget(lists);
  queue_->setObjectName(QStringLiteral("queue"));
  queue_->setMaximumHeight(80);
  layout->addWidget(queue_);
  return lists;
}

void DeskWindow::makeMenus() {
  QMenu *tickets = menuBar()->addMenu(QCoreApplication::translate("Desk", "&Tickets"));
  tickets->addAction(QCoreApplication::translate("Desk", "Choose the printer..."), this, [this] {
    if (printer_.choosePrinter(this))
      say(QCoreApplication::translate("Desk", "Tickets go to the %1.").arg(printer_.describe()));
  });
  tickets->addAction(QCoreApplication::translate("Desk", "Print to a folder of PDF files..."), this,
                     [this] {
                       const QString folder = QFileDialog::getExistingDirectory(
                           this, QCoreApplication::translate("Desk", "Folder for the tickets"));
                       if (!folder.isEmpty())
                         printer_.usePdfFolder(folder);
                     });
  QMenu *sizes = tickets->addMenu(QCoreApplication::translate("Desk", "Page size"));
  const std::pair<const char *, int> kSizes[] = {{"A6", QPageSize::A6},
                                                 {"A5", QPageSize::A5},
                                                 {"A4", QPageSize::A4},
                                                 {"80 mm roll", printouts::kRoll80}};
  for (const auto &[name, id] : kSizes) {
    QAction *size = sizes->addAction(QString::fromLatin1(name), this,
                                     [this, id = id] { printer_.setPageSize(id); });
    size->setCheckable(true);
    size->setChecked(printer_.pageSize() == id);
  }
  tickets->addAction(QCoreApplication::translate("Desk", "Print the waiting tickets"), this,
                     &DeskWindow::printWaiting);
  tickets->addAction(QCoreApplication::translate("Desk", "Check the journal again"), this,
                     &DeskWindow::startCheck);
  QMenu *data = menuBar()->addMenu(QCoreApplication::translate("Desk", "&Data"));
  for (const masterdata::Table &table : masterdata::tables()) {
    data->addAction(QCoreApplication::translate("Desk", "Edit the %1...").arg(table.name), this,
                    [this, name = table.name] {
                      if (!data_)
                        return;
                      MasterDataDialog dialog(*data_, name, this);
                      dialog.exec();
                    });
  }
}

void DeskWindow::say(const QString &text, bool alarm) {
  status_->setText(text);
  status_->setStyleSheet(alarm ? QStringLiteral("color: #b00000; font-weight: bold") : QString());
}

// The journal, once it is there: never made here (the monitor makes it).
bool DeskWindow::openJournal() {
  if (desk_)
    return true;
  const QFileInfo file(setup_.journal);
  if (!file.exists() || file.size() == 0) {
    say(QCoreApplication::translate(
            "Desk", "Waiting for the journal %1: the monitor makes it with its first record.")
            .arg(setup_.journal));
    return false;
  }
  journal_ = std::make_unique<RecordJournal>(setup_.journal, setup_.key,
                                             QStringLiteral("weighstation-desk"));
  auto weighingDesk = std::make_unique<desk::WeighingDesk>(*journal_, *data_, setup_.rules);
  Failure failure;
  if (!weighingDesk->open(&failure)) {
    say(QCoreApplication::translate("Desk", "The desk cannot use the journal: %1")
            .arg(failure.text()),
        true);
    journal_.reset();
    return false;
  }
  desk_ = std::move(weighingDesk);
  for (QLineEdit *edit : {vehicle_, customer_, product_}) {
    const QString table = edit == vehicle_    ? QStringLiteral("vehicles")
                          : edit == customer_ ? QStringLiteral("customers")
                                              : QStringLiteral("products");
    QStringList keys;
    for (const QStringList &row : data_->rows(table, &failure))
      keys << row.value(0);
    auto *completer = new QCompleter(keys, edit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    edit->setCompleter(completer);
  }
  say(QCoreApplication::translate("Desk", "Following the journal %1; tickets go to the %2.")
          .arg(setup_.journal, printer_.describe()));
  startCheck();
  printWaiting();
  return true;
}

void DeskWindow::look() {
  if (!openJournal())
    return;
  watch_->watchLog();
  Failure failure;
  if (!desk_->refresh(&failure)) {
    say(failure.text(), true);
    return;
  }
  readNewRecords();
  refreshLists();
}

void DeskWindow::readNewRecords() {
  if (!reader_) {
    reader_ = std::make_unique<JournalReader>(setup_.journal,
                                              QStringLiteral("weighstation-desk-records"));
    Failure failure;
    if (!reader_->open(&failure)) {
      say(failure.text(), true);
      reader_.reset();
      return;
    }
  }
  JournalFilter filter;
  if (lastSeen_ < 0)
    filter.last = kRecordsShown;
  else
    filter.seqFrom = lastSeen_ + 1;
  QList<JournalRecord> found;
  Failure failure;
  if (!reader_->forEach(
          filter,
          [&](const JournalRecord &record) {
            found << record;
            return true;
          },
          &failure)) {
    say(failure.text(), true);
    return;
  }
  lastSeen_ = qMax<qint64>(lastSeen_, 0);
  for (const JournalRecord &record : found) {
    records_->insertRow(0);
    const QStringList cells{QString::number(record.seq), recordtext::takenText(record.takenAt),
                            recordseal::totalShown(record), QString()};
    for (int c = 0; c < cells.size(); ++c)
      records_->setItem(0, c, new QTableWidgetItem(cells[c]));
    records_->item(0, 0)->setData(Qt::UserRole, record.seq);
    lastSeen_ = qMax(lastSeen_, record.seq);
  }
  while (records_->rowCount() > kRecordsShown)
    records_->removeRow(records_->rowCount() - 1);
  if (!found.isEmpty())
    records_->resizeColumnsToContents();
  // In order: a transaction prepared again as one is sealed (a second
  // weighing after its first) waits for the records after that one.
  for (const JournalRecord &record : found) {
    processedUpTo_ = record.seq;
    if (armed_ && record.seq > armedAfter_ && record.station == setup_.rules.station &&
        desk_->state().boundTo(record.seq) == 0)
      bind(record.seq);
  }
}

desk::Prepared DeskWindow::prepared() const {
  desk::Prepared prepared;
  prepared.vehicle = vehicle_->text();
  prepared.container = container_->text();
  prepared.customer = customer_->text();
  prepared.product = product_->text();
  prepared.haulier = haulier_->text();
  prepared.reference = reference_->text();
  prepared.operatorName = operator_->text();
  prepared.note = note_->text();
  const Kind kind = Kind(kind_->currentIndex());
  prepared.direction = kind == Kind::FirstIn    ? QStringLiteral("in")
                       : kind == Kind::FirstOut ? QStringLiteral("out")
                                                : QString();
  return prepared;
}

// An unknown registration is offered to the vehicles list, never added
// silently; without registration required it may be weighed as typed.
bool DeskWindow::vehicleKnownOrAccepted() {
  const QString plate = masterdata::plate(vehicle_->text());
  if (Kind(kind_->currentIndex()) == Kind::Second || plate.isEmpty() ||
      data_->find(QStringLiteral("vehicles"), plate))
    return true;
  const QMessageBox::StandardButton answer = QMessageBox::question(
      this, QCoreApplication::translate("Desk", "Weighing Desk"),
      setup_.rules.requireRegistration
          ? QCoreApplication::translate(
                "Desk",
                "Vehicle %1 is not registered, and this site weighs only registered vehicles.\n\n"
                "Add it to the vehicles list?")
                .arg(plate)
          : QCoreApplication::translate(
                "Desk",
                "Vehicle %1 is not registered.\n\nAdd it to the vehicles list? (No weighs it as a "
                "temporary vehicle.)")
                .arg(plate),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
  if (answer == QMessageBox::Yes) {
    Failure failure;
    if (!data_->put(
            QStringLiteral("vehicles"),
            {plate, haulier_->text(), customer_->text(), product_->text(), container_->text()},
            &failure)) {
      QMessageBox::warning(this, QCoreApplication::translate("Desk", "Weighing Desk"),
                           failure.text());
      return false;
    }
    return true;
  }
  return answer == QMessageBox::No && !setup_.rules.requireRegistration;
}

void DeskWindow::arm() {
  if (Failure unopened; !data_->open(&unopened)) {
    QMessageBox::warning(this, QCoreApplication::translate("Desk", "Weighing Desk"),
                         unopened.text());
    return;
  }
  if (Kind(kind_->currentIndex()) == Kind::Second && recall_->text().trimmed().isEmpty()) {
    QMessageBox::warning(
        this, QCoreApplication::translate("Desk", "Weighing Desk"),
        QCoreApplication::translate("Desk",
                                    "A second weighing needs its interim ticket (scan it) or the "
                                    "vehicle's registration."));
    return;
  }
  if (!vehicleKnownOrAccepted())
    return;
  armed_ = true;
  armedAfter_ = processedUpTo_;
  arm_->setEnabled(false);
  cancel_->setEnabled(true);
  waiting_->setText(QCoreApplication::translate(
                        "Desk",
                        "Waiting for the next record of station %1: press RECORD NOW on the "
                        "monitor.")
                        .arg(setup_.rules.station));
}

void DeskWindow::cancel() {
  armed_ = false;
  armedAfter_ = 0;
  arm_->setEnabled(true);
  cancel_->setEnabled(false);
  waiting_->clear();
}

qint64 DeskWindow::sealOn(qint64 record, Failure *failure) {
  const desk::Prepared form = prepared();
  switch (Kind(kind_->currentIndex())) {
    case Kind::Single:
      return desk_->single(record, form, failure);
    case Kind::WithStoredTare:
      return desk_->withStoredTare(record, form, failure);
    case Kind::StoreTare:
      return desk_->storeTare(record, form, failure);
    case Kind::FirstIn:
    case Kind::FirstOut:
      return desk_->first(record, form, failure);
    case Kind::Second:
      return desk_->second(record, recall_->text(), form.operatorName, failure);
  }
  return 0;
}

void DeskWindow::bind(qint64 record) {
  Failure failure;
  const qint64 seq = sealOn(record, &failure);
  cancel();
  if (seq == 0) {
    say(QCoreApplication::translate("Desk", "Record %1 is not bound: %2")
            .arg(record)
            .arg(failure.text()),
        true);
    QMessageBox::warning(this, QCoreApplication::translate("Desk", "Weighing Desk"),
                         QCoreApplication::translate("Desk", "Record %1 is not bound: %2")
                             .arg(record)
                             .arg(failure.text()));
    return;
  }
  for (QLineEdit *edit :
       {recall_, vehicle_, container_, customer_, product_, haulier_, reference_, note_})
    edit->clear();
  printTicket(seq);  // and the lists shown anew
  if (failure.failed())
    QMessageBox::warning(this, QCoreApplication::translate("Desk", "Weighing Desk"),
                         failure.text());
  if (!desk_->warning().isEmpty())
    QMessageBox::warning(this, QCoreApplication::translate("Desk", "Weighing Desk"),
                         desk_->warning());
}

void DeskWindow::bindSelected() {
  const QList<QTableWidgetItem *> selected = records_->selectedItems();
  if (selected.isEmpty() || !desk_)
    return;
  const qint64 record = records_->item(selected.first()->row(), 0)->data(Qt::UserRole).toLongLong();
  if (!vehicleKnownOrAccepted())
    return;
  bind(record);
}

// Printed at once; when it cannot be, it waits in the desk's queue (kept
// in its data file), said, and printed with the waiting ones.
void DeskWindow::printTicket(qint64 seq) {
  Failure failure;
  QList<signingkeys::EpochCertificate> epochKeys;
  const std::optional<Transaction> entry =
      reader_ ? transactions::readOne(reader_->database(), seq) : std::nullopt;
  bool printed = false;
  if (entry && reader_->epochKeys(&epochKeys, &failure)) {
    printouts::Context context;
    context.site = setup_.site;
    context.check = check_;
    context.printedAt = QDateTime::currentDateTime();
    const QString code = entry->kind == transactions::kFirst
                             ? desk::interimCode(seq)
                             : ticketcode::ofTransaction(*entry, epochKeys);
    printed = printer_.print(
        printouts::transactionTicket(*entry, desk_->state(),
                                     transactions::recordLookup(reader_->database()), code),
        context, &failure);
  }
  Failure unkept;
  if (printed) {
    data_->ticketPrinted(seq, &unkept);
    say(QCoreApplication::translate("Desk", "Transaction %1 sealed; its ticket went to the %2.")
            .arg(seq)
            .arg(printer_.describe()));
  } else {
    data_->holdTicket(seq, &unkept);
    say(QCoreApplication::translate("Desk", "Transaction %1 sealed; its ticket waits to print: %2")
            .arg(seq)
            .arg(failure.text()),
        true);
  }
  refreshLists();
  Q_EMIT sealed(seq, printed);
}

void DeskWindow::printWaiting() {
  if (!data_)
    return;
  Failure failure;
  for (const qint64 seq : data_->ticketsWaiting(&failure))
    printTicket(seq);
}

qint64 DeskWindow::selectedTransaction() const {
  const QList<QTableWidgetItem *> selected = transactions_->selectedItems();
  return selected.isEmpty()
             ? 0
             : transactions_->item(selected.first()->row(), 0)->data(Qt::UserRole).toLongLong();
}

void DeskWindow::printAgain() {
  if (const qint64 seq = selectedTransaction(); seq > 0)
    printTicket(seq);
}

void DeskWindow::voidSelected() {
  const qint64 seq = selectedTransaction();
  if (seq == 0 || !desk_)
    return;
  bool given = false;
  const QString reason = QInputDialog::getText(
      this, QCoreApplication::translate("Desk", "Void transaction %1").arg(seq),
      QCoreApplication::translate(
          "Desk", "Why is transaction %1 void? (It stays in the journal, marked VOID.)")
          .arg(seq),
      QLineEdit::Normal, QString(), &given);
  if (!given)
    return;
  Failure failure;
  const qint64 voided = desk_->voidTransaction(seq, reason, operator_->text(), &failure);
  if (voided == 0) {
    QMessageBox::warning(this, QCoreApplication::translate("Desk", "Weighing Desk"),
                         failure.text());
    return;
  }
  printTicket(voided);
}

void DeskWindow::correctSelected() {
  const qint64 seq = selectedTransaction();
  if (seq == 0 || !desk_)
    return;
  bool given = false;
  const QString reason = QInputDialog::getText(
      this, QCoreApplication::translate("Desk", "Correct transaction %1").arg(seq),
      QCoreApplication::translate(
          "Desk",
          "Transaction %1 is replaced by one with the form's data and its own records and "
          "weights. Why?")
          .arg(seq),
      QLineEdit::Normal, QString(), &given);
  if (!given)
    return;
  Failure failure;
  const qint64 corrected = desk_->correct(seq, prepared(), reason, &failure);
  if (corrected == 0) {
    QMessageBox::warning(this, QCoreApplication::translate("Desk", "Weighing Desk"),
                         failure.text());
    return;
  }
  printTicket(corrected);
}

void DeskWindow::refreshLists() {
  if (!desk_)
    return;
  const transactions::TransactionCheck &state = desk_->state();
  for (int row = 0; row < records_->rowCount(); ++row) {
    const qint64 bound = state.boundTo(records_->item(row, 0)->data(Qt::UserRole).toLongLong());
    records_->setItem(row, 3, new QTableWidgetItem(bound > 0 ? QString::number(bound) : QString()));
  }
  const std::vector<Transaction> &entries = state.entries();
  const int shown = int(qMin<size_t>(entries.size(), kTransactionsShown));
  transactions_->setRowCount(shown);
  for (int row = 0; row < shown; ++row) {
    const Transaction &entry = entries[entries.size() - 1 - size_t(row)];
    const qint64 ender = state.voidedBy(entry.seq);
    const Transaction *ended = ender > 0 ? state.entry(ender) : nullptr;
    const QString standing =
        !ended ? QString()
        : ended->kind == transactions::kVoid
            ? QCoreApplication::translate("Desk", "VOID (transaction %1)").arg(ender)
        : ended->kind == transactions::kCorrection
            ? QCoreApplication::translate("Desk", "replaced by %1").arg(ender)
            : QCoreApplication::translate("Desk", "closed by %1").arg(ender);
    const QStringList cells{QString::number(entry.seq),
                            entry.kind,
                            entry.vehicle,
                            entry.customer,
                            entry.product,
                            entry.net.isEmpty() ? QString() : entry.net + u' ' + entry.unit,
                            standing};
    for (int c = 0; c < cells.size(); ++c)
      transactions_->setItem(row, c, new QTableWidgetItem(cells[c]));
    transactions_->item(row, 0)->setData(Qt::UserRole, entry.seq);
  }
  onSite_->clear();
  for (const Transaction *open : state.onSite()) {
    auto *item = new QListWidgetItem(
        QCoreApplication::translate("Desk", "%1, in since %2, interim ticket %3")
            .arg(open->vehicle, recordtext::takenText(open->takenAt), desk::interimCode(open->seq)),
        onSite_);
    item->setData(Qt::UserRole, desk::interimCode(open->seq));
  }
  queue_->clear();
  Failure failure;
  for (const qint64 seq : data_->ticketsWaiting(&failure))
    queue_->addItem(QCoreApplication::translate("Desk", "Transaction %1").arg(seq));
}

// The journal checked in full on a thread of its own (a long journal takes
// seconds): tickets printed before it is done say so.
void DeskWindow::startCheck() {
  if (checking_)
    return;
  checking_ = true;
  VerifyOptions options = VerifyOptions::of(setup_.journal, setup_.key);
  QThread *thread = QThread::create([this, options] {
    const VerifyReport report = verifyJournal(options);
    QMetaObject::invokeMethod(this, [this, report] {
      checking_ = false;
      check_ = printouts::CheckState::of(report);
      if (!check_.verified())
        say(QCoreApplication::translate(
                "Desk", "The journal fails its check: %1. Tickets print marked UNVERIFIED.")
                .arg(check_.line()),
            true);
    });
  });
  delete checkThread_;  // a finished one
  checkThread_ = thread;
  thread->start();
}
