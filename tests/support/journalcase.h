// What the journal's suites share: a journal and key of their own per case
// in a temporary folder, records written to it, the fixture journals of
// each format copied out, and SQL run on the journal as a shell would.
#pragma once

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include "journal/journal.h"
#include "journal/journalreader.h"
#include "journal/verifier.h"
#include "samplerecord.h"

// SQL as an SQLite shell would run it on the journal.
inline void tamper(const QString &journal, const QStringList &statements) {
  {
    QSqlDatabase db =
        QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("tamper"));
    db.setDatabaseName(journal);
    QVERIFY(db.open());
    QSqlQuery query(db);
    for (const QString &statement : statements)
      QVERIFY2(query.exec(statement), qPrintable(statement));
    db.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("tamper"));
}

class JournalCase {
 protected:
  QTemporaryDir dir;
  QString journalPath() const { return dir.filePath("journal.sqlite"); }
  QString keyPath() const { return dir.filePath("journal.key"); }

  static constexpr const char *kFixtureHead = "journal.key.c2c4f57524c097aa86c032574a964a0e.head";
  // The fixture's files in `copy` (opened in place, the journal would gain
  // its -wal and -shm), the key readable by its owner alone.
  static constexpr const char *kFixture2Head = "journal.key.bce4122854f1b4af429e63106b436290.head";
  static constexpr const char *kFixtureRunsHead =
      "journal.key.0fafff475f56111e15d39a1712e8c4df.head";
  static constexpr const char *kFixtureTransactionsHead =
      "journal.key.f487bb50209449ce13d080ec87bc9487.head";
  static bool copyFixture(const QTemporaryDir &copy,
                          const QString &name = QStringLiteral("journal-format-1")) {
    const QString fixture =
        qEnvironmentVariable("TEST_SOURCE_DIR") + QStringLiteral("/tests/fixtures/") + name;
    const QStringList names = QDir(fixture).entryList(QDir::Files);
    for (const QString &name : names) {
      if (!QFile::copy(fixture + '/' + name, copy.filePath(name)))
        return false;
    }
    return !names.isEmpty() &&
           (!QFile::exists(copy.filePath("journal.key")) ||
            QFile::setPermissions(copy.filePath("journal.key"),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner));
  }

  // A fixture's copy checked with its public files and its head.
  static VerifyReport verifyFixtureCopy(const QTemporaryDir &copy, const char *head) {
    VerifyOptions options =
        VerifyOptions::of(copy.filePath("journal.sqlite"), copy.filePath("journal.key"));
    options.headPath = copy.filePath(head);
    return verifyJournal(options);
  }

  static JournalRecord firstOf(const JournalReader &reader) {
    JournalRecord first;
    Failure failure;
    reader.forEach(
        {},
        [&](const JournalRecord &r) {
          first = r;
          return false;
        },
        &failure);
    return first;
  }

  void write(int from, int to, const QString &connection = QStringLiteral("writer")) {
    RecordJournal journal(journalPath(), keyPath(), connection);
    Failure error;
    for (int n = from; n <= to; ++n) {
      JournalRecord record = sampleRecord(n);
      QCOMPARE(journal.append(record, &error), qint64(n));
      if (n % 2 == 0)
        QVERIFY(journal.noteTextLog(record, n % 4 == 0, QStringLiteral("disk full"), &error));
      if (n % 3 == 0)
        journal.checkpoint();  // as the monitor folds the log between records
    }
  }
  VerifyReport verify(const QString &key = QString()) {
    VerifyOptions options;
    options.journalPath = journalPath();
    options.keyPath = key.isEmpty() ? keyPath() : key;
    return verifyJournal(options);
  }
  // The journal of records 1..6 changed by `statements` verifies broken,
  // with a problem that says `problem`.
  void brokenBy(const QStringList &statements, const QString &problem) {
    write(1, 6);
    tamper(journalPath(), statements);
    const VerifyReport report = verify();
    QCOMPARE(report.outcome, VerifyReport::Outcome::Broken);
    QVERIFY2(std::any_of(report.problems.begin(), report.problems.end(),
                         [&](const VerifyProblem &p) { return p.text.contains(problem); }),
             qPrintable(report.problems.value(0).text));
  }

  static void startTheClockOnTheRecordsDay() {
    RecordJournal::defaultClock() = [] { return qint64(1796601600); };
  }
  void startAJournal() {
    for (const QString &name :
         QDir(dir.path()).entryList({"journal.*"}, QDir::Files | QDir::System))
      QFile::remove(dir.filePath(name));
  }
};
