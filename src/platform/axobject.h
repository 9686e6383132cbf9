// Automation of the spreadsheet application. On Windows ActiveQt's QAxObject
// talks to the real application; elsewhere AxObject stands in for it: it
// keeps the application's workbooks in memory and writes a real .xlsx file
// when a workbook is saved. The calls, their signature texts and properties
// are the application's own ("Workbooks()", "Add()", "Range(QString)", ...).
#pragma once

#if defined(WEIGHSTATION_ACTIVEQT)
#include <QAxObject>
using AxObject = QAxObject;
#else

#include <QObject>
#include <QVariant>
#include <memory>

namespace spreadsheet {
struct Application;
struct Workbook;
struct Worksheet;
}  // namespace spreadsheet

class AxObject : public QObject {
  Q_OBJECT
 public:
  // An object for the application named by the program id, as a COM client
  // would create it. Only "Excel.Application" is known here.
  explicit AxObject(const QString &progId, QObject *parent = nullptr);
  explicit AxObject(QObject *parent = nullptr);  // a null object
  ~AxObject() override;

  bool isNull() const;

  AxObject *querySubObject(const char *name, const QVariant &v1 = QVariant(),
                           const QVariant &v2 = QVariant(), const QVariant &v3 = QVariant(),
                           const QVariant &v4 = QVariant(), const QVariant &v5 = QVariant(),
                           const QVariant &v6 = QVariant(), const QVariant &v7 = QVariant(),
                           const QVariant &v8 = QVariant());
  QVariant dynamicCall(const char *name, const QVariant &v1 = QVariant(),
                       const QVariant &v2 = QVariant(), const QVariant &v3 = QVariant(),
                       const QVariant &v4 = QVariant(), const QVariant &v5 = QVariant(),
                       const QVariant &v6 = QVariant(), const QVariant &v7 = QVariant(),
                       const QVariant &v8 = QVariant());
  // Sets a property of the automated object ("Visible", "Name", "Value").
  bool setProperty(const char *name, const QVariant &value);

  // For tests: what this object stands for.
  std::shared_ptr<spreadsheet::Application> application() const;

 Q_SIGNALS:
  // Emitted when the application refuses a call, as ActiveQt does.
  void exception(int code, const QString &source, const QString &desc, const QString &help);

 private:
  struct Target;
  AxObject(std::unique_ptr<Target> target, QObject *parent);
  void raise(const QString &source, const QString &description);
  std::unique_ptr<Target> subTarget(const QByteArray &call, const QVariant &v1, bool &refused);
  std::unique_ptr<Target> rangeTarget(std::unique_ptr<Target> sub, const QString &range,
                                      bool &refused);

  std::unique_ptr<Target> target_;
};

#endif
