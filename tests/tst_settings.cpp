// The settings in force: the environment over the user's file over the
// system's file over the default, and what a person is told of a file or a
// value that cannot be used.
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "settings/settings.h"

class SettingsTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  int round = 0;

  // A folder each case, so that no file is read from an earlier one.
  QString writeFile(const QString &which, const QString &lines) {
    const QString folder = dir.filePath(QStringLiteral("%1-%2/weighstation").arg(which).arg(round));
    QDir().mkpath(folder);
    QFile file(folder + QStringLiteral("/weighstation.conf"));
    if (!file.open(QIODevice::WriteOnly))
      return {};
    file.write(lines.toUtf8());
    return file.fileName();
  }

 private Q_SLOTS:
  void init() {
    ++round;
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("user-%1").arg(round)).toUtf8());
    qputenv("XDG_CONFIG_DIRS", dir.filePath(QStringLiteral("system-%1").arg(round)).toUtf8());
    for (const settings::Key &key : settings::keys())
      qunsetenv(settings::variableOf(key.name).toUtf8().constData());
  }

  void theValueInForce_data() {
    QTest::addColumn<QString>("system");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("environment");  // "-": not set
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("origin");
    QTest::addColumn<QString>("problem");

    const int byDefault = int(settings::Origin::Default);
    const int bySystem = int(settings::Origin::SystemFile);
    const int byUser = int(settings::Origin::UserFile);
    const int byEnvironment = int(settings::Origin::Environment);
    QTest::newRow("nothing set") << ""
                                 << ""
                                 << "-"
                                 << "station"
                                 << "" << byDefault << "";
    QTest::newRow("system file") << "station = sys\n"
                                 << ""
                                 << "-"
                                 << "station"
                                 << "sys" << bySystem << "";
    QTest::newRow("user over system") << "station = sys\n"
                                      << "station = mine\n"
                                      << "-"
                                      << "station"
                                      << "mine" << byUser << "";
    QTest::newRow("environment over both") << "station = sys\n"
                                           << "station = mine\n"
                                           << "env"
                                           << "station"
                                           << "env" << byEnvironment << "";
    QTest::newRow("environment set empty wins") << ""
                                                << "adapters = /dev/a\n"
                                                << ""
                                                << "adapters"
                                                << "" << byEnvironment << "";
    QTest::newRow("a list as written") << ""
                                       << "site_address_1 = 12 Quarry Road, Leeds\n"
                                       << "-"
                                       << "site_address_1"
                                       << "12 Quarry Road, Leeds" << byUser << "";
    QTest::newRow("a bad number in the user file: the default, not the system's")
        << "journal_min_free_mb = 50\n"
        << "journal_min_free_mb = lots\n"
        << "-"
        << "journal_min_free_mb"
        << "" << byDefault
        << "journal_min_free_mb = \"lots\": not a whole number; the default (100) is used";
    QTest::newRow("a bad number in the environment")
        << ""
        << "journal_min_free_mb = 50\n"
        << "-5"
        << "journal_min_free_mb"
        << "" << byDefault
        << "WEIGHSTATION_JOURNAL_MIN_FREE_MB: journal_min_free_mb = \"-5\": not a whole number";
    QTest::newRow("an epoch too short")
        << ""
        << "journal_epoch_seconds = 30\n"
        << "-"
        << "journal_epoch_seconds"
        << "" << byDefault
        << "journal_epoch_seconds = \"30\": not from 60 to 31622400; the default (86400) is used";
    QTest::newRow("an epoch beyond any run of keys")
        << ""
        << ""
        << "9223372036854775807"
        << "journal_epoch_seconds"
        << "" << byDefault << "not from 60 to 31622400";
    QTest::newRow("free space that overflows bytes") << ""
                                                     << "journal_min_free_mb = 17592186044416\n"
                                                     << "-"
                                                     << "journal_min_free_mb"
                                                     << "" << byDefault << "not from 0 to 1048576";
    QTest::newRow("a bound itself is taken") << ""
                                             << "journal_epoch_seconds = 60\n"
                                             << "-"
                                             << "journal_epoch_seconds"
                                             << "60" << byUser << "";
    QTest::newRow("a line that is not a setting")
        << ""
        << "station = north\njournal /tmp/j.sqlite\n"
        << "-"
        << "station"
        << "north" << byUser << "line 2: \"journal /tmp/j.sqlite\": not a setting (key = value)";
    QTest::newRow("a quote left open: the value is not used")
        << "station = sys\n"
        << "station = \"north\n"
        << "-"
        << "station"
        << "" << byDefault << "line 1: \"station = \"north\": a quote is left open";
    QTest::newRow("a NUL byte: the value is not used, shown escaped")
        << "" << QString::fromUtf8("station = a\0b\n", 14) << "-"
        << "station"
        << "" << byDefault << "line 1: \"station = a\\x00b\": holds a NUL byte";
    QTest::newRow("a path in the home folder")
        << ""
        << "journal = ~/data/journal.sqlite\n"
        << "-"
        << "journal" << QDir::homePath() + "/data/journal.sqlite" << byUser << "";
    QTest::newRow("a relative path")
        << ""
        << "journal = data/journal.sqlite\n"
        << "-"
        << "journal"
        << "" << byDefault
        << "journal = \"data/journal.sqlite\": not an absolute path (start it with / or ~/)";
    QTest::newRow("a key no program reads")
        << ""
        << "jounral = /tmp/j.sqlite\n"
        << "-"
        << "journal"
        << "" << byDefault << "jounral = \"/tmp/j.sqlite\": no such setting; it is not used";
  }
  void theValueInForce() {
    QFETCH(QString, system);
    QFETCH(QString, user);
    QFETCH(QString, environment);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(int, origin);
    QFETCH(QString, problem);
    const QString systemFile = system.isEmpty() ? QString() : writeFile("system", system);
    const QString userFile = user.isEmpty() ? QString() : writeFile("user", user);
    if (environment != QLatin1String("-"))
      qputenv(settings::variableOf(key).toUtf8().constData(), environment.toUtf8());

    const settings::Snapshot read = settings::Snapshot::read();
    const settings::Entry entry = read.lookup(key);
    QCOMPARE(entry.value, value);
    // Read once: what changes after it is not seen until the next start.
    qputenv(settings::variableOf(key).toUtf8().constData(), "/changed/after");
    QCOMPARE(read.lookup(key).value, value);
    if (environment == QLatin1String("-"))
      qunsetenv(settings::variableOf(key).toUtf8().constData());
    else
      qputenv(settings::variableOf(key).toUtf8().constData(), environment.toUtf8());
    QCOMPARE(int(entry.origin), origin);
    if (entry.origin == settings::Origin::SystemFile)
      QCOMPARE(entry.where, systemFile);
    if (entry.origin == settings::Origin::UserFile)
      QCOMPARE(entry.where, userFile);
    const QStringList problems = settings::Snapshot::read().problems();
    if (problem.isEmpty())
      QCOMPARE(problems, QStringList());
    else
      QVERIFY2(problems.size() == 1 && problems[0].contains(problem),
               qPrintable(problems.join('\n')));
  }

  // A variable of the program's prefix that names no setting (misspelt, or
  // in the wrong case) is said, as a file's unknown key is.
  void anUnknownVariableIsSaid_data() {
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<bool>("said");
    QTest::newRow("misspelt") << QByteArray("WEIGHSTATION_STATOIN") << true;
    QTest::newRow("in the wrong case") << QByteArray("WEIGHSTATION_Station") << true;
    QTest::newRow("a setting") << QByteArray("WEIGHSTATION_STATION") << false;
    QTest::newRow("another program's") << QByteArray("WEIGHSTATIONS_STATION") << false;
  }
  void anUnknownVariableIsSaid() {
    QFETCH(QByteArray, variable);
    QFETCH(bool, said);
    qputenv(variable.constData(), "north");
    const QStringList problems = settings::Snapshot::read().problems();
    qunsetenv(variable.constData());
    const QString expected =
        QString::fromLatin1(variable) + " = \"north\": no such setting; it is not used";
    QCOMPARE(problems.contains(expected), said);
    QCOMPARE(problems.size(), said ? 1 : 0);
  }

  // What lies in a settings file's place and is not a plain file is said
  // and not read: a pipe would block every program at its start.
  void whatIsNotAPlainFileIsNotRead_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("problem");
    QTest::newRow("a pipe") << "fifo"
                            << "not a plain file";
    QTest::newRow("a link to nothing") << "dangling"
                                       << "a link to nothing";
    QTest::newRow("a loop of links") << "loop"
                                     << "a link to nothing";
    QTest::newRow("binary bytes") << "binary"
                                  << "\\x";
  }
  void whatIsNotAPlainFileIsNotRead() {
    QFETCH(QString, what);
    QFETCH(QString, problem);
    const QString path = writeFile("user", "station = mine\n");
    QFile::remove(path);
    if (what == "fifo")
      QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (what == "dangling")
      QVERIFY(QFile::link(dir.filePath("nothing-here"), path));
    else if (what == "loop")
      QVERIFY(QFile::link(path, path));
    else
      writeFile("user", QString::fromLatin1("\x01\x02station\x7f\x1b[2J\n"));
    const QStringList problems = settings::Snapshot::read().problems();
    QCOMPARE(settings::Snapshot::read().lookup("station").origin, settings::Origin::Default);
    QVERIFY2(!problems.isEmpty() && problems[0].startsWith(path) && problems[0].contains(problem),
             qPrintable(problems.join('\n')));
    for (const QString &line : problems)
      QVERIFY2(!line.contains(QChar(0x1b)), "a terminal's escape printed raw");
  }

  // A file that cannot be read is said once, naming it, and is not used.
  void anUnreadableFileIsSaidAndNotUsed() {
    if (::geteuid() == 0)
      QSKIP("root reads every file");
    const QString path = writeFile("user", "station = mine\n");
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    QCOMPARE(settings::Snapshot::read().lookup("station").origin, settings::Origin::Default);
    const QStringList problems = settings::Snapshot::read().problems();
    QCOMPARE(problems.size(), 1);
    QVERIFY2(problems[0].startsWith(path) && problems[0].contains("cannot be read"),
             qPrintable(problems[0]));
  }
};

QTEST_GUILESS_MAIN(SettingsTest)
#include "tst_settings.moc"
