#include "platform/axobject.h"

#if !defined(WEIGHSTATION_ACTIVEQT)

#include <QDebug>
#include <QMetaObject>
#include <QRegularExpression>

#include "platform/spreadsheetmodel.h"

using namespace spreadsheet;

struct AxObject::Target {
  enum Kind {
    Null,
    ApplicationObject,
    WorkbooksObject,
    WorkbookObject,
    WorksheetObject,
    RangeObject
  };
  Kind kind = Null;
  std::shared_ptr<Application> application;
  std::shared_ptr<Workbook> workbook;
  std::shared_ptr<Worksheet> worksheet;
  QPair<int, int> topLeft;
  QPair<int, int> bottomRight;
};

namespace {
QByteArray normalized(const char *signature) {
  return QMetaObject::normalizedSignature(signature);
}

bool validSheetName(const QString &name) {
  static const QRegularExpression forbidden(QStringLiteral("[\\[\\]:*?/\\\\]"));
  return !name.isEmpty() && name.size() <= 31 && !name.contains(forbidden);
}
}  // namespace

AxObject::AxObject(const QString &progId, QObject *parent) : QObject(parent), target_(new Target) {
  if (progId == QLatin1String("Excel.Application")) {
    target_->kind = Target::ApplicationObject;
    target_->application = std::make_shared<Application>();
  } else {
    qDebug("AxObject: class '%s' is not registered", qPrintable(progId));
  }
}

AxObject::AxObject(QObject *parent) : QObject(parent), target_(new Target) {}

AxObject::AxObject(std::unique_ptr<Target> target, QObject *parent)
    : QObject(parent), target_(std::move(target)) {}

AxObject::~AxObject() = default;

bool AxObject::isNull() const {
  return target_->kind == Target::Null;
}

std::shared_ptr<Application> AxObject::application() const {
  return target_->application;
}

void AxObject::raise(const QString &source, const QString &description) {
  qDebug("AxObject: %s: %s", qPrintable(source), qPrintable(description));
  Q_EMIT exception(-1, source, description, QString());
}

// A sub-object's target, or nullptr when the member is unknown (`refused`
// then tells whether the application refused a known member's call).
std::unique_ptr<AxObject::Target> AxObject::subTarget(const QByteArray &call, const QVariant &v1,
                                                      bool &refused) {
  auto sub = std::make_unique<Target>(*target_);
  refused = false;
  if (target_->kind == Target::ApplicationObject && call == "Application()")
    return sub;
  if (target_->kind == Target::ApplicationObject && call == "Workbooks()") {
    sub->kind = Target::WorkbooksObject;
    return sub;
  }
  if (target_->kind == Target::WorkbooksObject && call == "Add()") {
    auto workbook = std::make_shared<Workbook>();
    for (int n = 1; n <= 2; ++n) {
      auto sheet = std::make_shared<Worksheet>();
      sheet->name = QStringLiteral("Sheet%1").arg(n);
      workbook->sheets << sheet;
    }
    target_->application->workbooks << workbook;
    sub->kind = Target::WorkbookObject;
    sub->workbook = workbook;
    return sub;
  }
  if (target_->kind == Target::WorkbookObject && call == "Worksheets(int)") {
    const int index = v1.toInt();
    refused = index < 1 || index > target_->workbook->sheets.size();
    if (refused) {
      raise(QStringLiteral("Worksheets"), QStringLiteral("no worksheet %1").arg(index));
      return nullptr;
    }
    sub->kind = Target::WorksheetObject;
    sub->worksheet = target_->workbook->sheets.at(index - 1);
    return sub;
  }
  if (target_->kind == Target::WorksheetObject && call == "Range(QString)")
    return rangeTarget(std::move(sub), v1.toString(), refused);
  return nullptr;
}

std::unique_ptr<AxObject::Target> AxObject::rangeTarget(std::unique_ptr<Target> sub,
                                                        const QString &range, bool &refused) {
  const QStringList corners = range.split(u':');
  const QPair<int, int> first = parseCellReference(corners.value(0));
  const QPair<int, int> last = corners.size() > 1 ? parseCellReference(corners.value(1)) : first;
  refused = corners.size() > 2 || first.first == 0 || last.first == 0;
  if (refused) {
    raise(QStringLiteral("Range"), QStringLiteral("invalid range '%1'").arg(range));
    return nullptr;
  }
  sub->kind = Target::RangeObject;
  sub->topLeft = {qMin(first.first, last.first), qMin(first.second, last.second)};
  sub->bottomRight = {qMax(first.first, last.first), qMax(first.second, last.second)};
  return sub;
}

AxObject *AxObject::querySubObject(const char *name, const QVariant &v1, const QVariant &,
                                   const QVariant &, const QVariant &, const QVariant &,
                                   const QVariant &, const QVariant &, const QVariant &) {
  const QByteArray call = normalized(name);
  if (isNull()) {
    qDebug("AxObject::querySubObject: %s: object is not initialized", call.constData());
    return nullptr;
  }
  bool refused = false;
  std::unique_ptr<Target> sub = subTarget(call, v1, refused);
  if (sub)
    return new AxObject(std::move(sub), this);
  if (!refused)
    qDebug("AxObject::querySubObject: %s: no such member", call.constData());
  return nullptr;
}

QVariant AxObject::dynamicCall(const char *name, const QVariant &v1, const QVariant &,
                               const QVariant &, const QVariant &, const QVariant &,
                               const QVariant &, const QVariant &, const QVariant &) {
  const QByteArray call = normalized(name);
  if (isNull()) {
    qDebug("AxObject::dynamicCall: %s: object is not initialized", call.constData());
    return QVariant();
  }
  if (target_->kind == Target::WorkbookObject && call == "SaveAs(QString)") {
    const QString path = v1.toString();
    const QString error = saveWorkbook(*target_->workbook, path);
    if (!error.isEmpty()) {
      raise(QStringLiteral("SaveAs"), QStringLiteral("cannot save '%1': %2").arg(path, error));
      return false;
    }
    target_->workbook->savedAs = path;
    return true;
  }
  if (target_->kind == Target::WorkbookObject && call == "Close()") {
    target_->workbook->open = false;
    target_->application->workbooks.removeAll(target_->workbook);
    return true;
  }
  if (target_->kind == Target::ApplicationObject && call == "Quit()") {
    target_->application->quit = true;
    target_->application->workbooks.clear();
    return true;
  }
  qDebug("AxObject::dynamicCall: %s: no such member", call.constData());
  return QVariant();
}

bool AxObject::setProperty(const char *name, const QVariant &value) {
  const QByteArray property(name);
  if (isNull()) {
    qDebug("AxObject::setProperty: %s: object is not initialized", name);
    return false;
  }
  if (target_->kind == Target::ApplicationObject && property == "Visible") {
    target_->application->visible = value.toBool();
    return true;
  }
  if (target_->kind == Target::WorksheetObject && property == "Name") {
    const QString newName = value.toString();
    if (!validSheetName(newName)) {
      raise(QStringLiteral("Name"), QStringLiteral("invalid worksheet name '%1'").arg(newName));
      return false;
    }
    target_->worksheet->name = newName;
    return true;
  }
  if (target_->kind == Target::RangeObject && property == "Value") {
    // A list fills the range row by row, left to right; one value fills every cell.
    const QVariantList values =
        value.typeId() == QMetaType::QVariantList ? value.toList() : QVariantList{value};
    int next = 0;
    for (int row = target_->topLeft.first; row <= target_->bottomRight.first; ++row) {
      for (int col = target_->topLeft.second; col <= target_->bottomRight.second; ++col) {
        const QVariant cell = values.size() == 1 ? values.at(0) : values.value(next++);
        if (cell.isValid()) {
          target_->worksheet->cells[{row, col}] = cell;
        } else {
          target_->worksheet->cells.remove({row, col});
        }
      }
    }
    return true;
  }
  qDebug("AxObject::setProperty: %s: no such property", name);
  return false;
}

#endif
