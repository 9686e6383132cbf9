// Live publishing to a real mosquitto broker that the test starts: records
// arrive in order and none is lost to a broker outage or a killed monitor,
// readouts arrive as shown, refusals are said with the broker's reason,
// and settings that cannot be used are refused.
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSet>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "desk/weighingdesk.h"
#include "journal/journal.h"
#include "journalloader.h"
#include "mosquittobroker.h"
#include "publishing/mqttpublisher.h"
#include "publishing/mqtttarget.h"
#include "simulator.h"

namespace {
JournalRecord recordOf(qint64 index) {
  JournalRecord r;
  r.takenAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
  r.timeText = QStringLiteral("1:00:00 pm");
  r.dateText = QStringLiteral("12/08/2026");
  r.station = QStringLiteral("bridge-9");
  r.total = 1000.0002 + double(index);
  r.totalSign = QStringLiteral("+");
  r.totalUnit = QStringLiteral("kg");
  r.netGross = QStringLiteral("GROSS");
  r.totalLine = QStringLiteral("GROSS TOTAL, kg, %1").arg(1000 + index);
  r.block = "\r\nblock\r\n";
  r.scales[0] = {true, QStringLiteral("ttyUSB0"), 0, 1000.0001 + double(index),
                 0,    1000.0001 + double(index), 0};
  r.program = QStringLiteral("weighstation");
  r.version = QStringLiteral("1.0.0");
  return r;
}

// The seqs of the record messages among `lines`, in arrival order.
QList<qint64> recordSeqs(const QStringList &lines, const QString &prefix) {
  QList<qint64> seqs;
  const QString topic = prefix + QStringLiteral("/record ");
  for (const QString &line : lines) {
    if (line.startsWith(topic))
      seqs << QJsonDocument::fromJson(line.mid(topic.size()).toUtf8())["seq"].toInteger();
  }
  return seqs;
}

bool allOf(const QList<qint64> &seqs, qint64 count) {
  const QSet<qint64> seen(seqs.cbegin(), seqs.cend());
  for (qint64 seq = 1; seq <= count; ++seq) {
    if (!seen.contains(seq))
      return false;
  }
  return true;
}

QString lastPayload(const QStringList &lines, const QString &topic) {
  for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
    if (line->startsWith(topic + u' '))
      return line->mid(topic.size() + 1);
  }
  return QString();
}
}  // namespace

class MqttTest : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir;
  QString journal() const {
    return dir.filePath(QStringLiteral("%1.sqlite").arg(QTest::currentTestFunction()));
  }
  QString key() const { return journal() + QStringLiteral(".key"); }
  void load(qint64 count) {
    QString error;
    QVERIFY2(loadJournal(journal(), key(), count, recordOf, &error), qPrintable(error));
  }
  // `given`: the password and TLS files; its URI is made here.
  MqttTarget targetOf(int port, const QString &scheme = QStringLiteral("mqtt"),
                      const QString &user = QString(), mqtttarget::Settings given = {}) {
    MqttTarget target;
    Failure failure;
    const QString uri = scheme + QStringLiteral("://") +
                        (user.isEmpty() ? QString() : user + u'@') +
                        QStringLiteral("127.0.0.1:%1/test/%2")
                            .arg(port)
                            .arg(QString::fromLatin1(QTest::currentTestFunction()));
    given.uri = uri;
    if (!mqtttarget::parse(given, QStringLiteral("bridge-9"), &target, &failure))
      qWarning("%s", qPrintable(failure.text()));
    return target;
  }

 private Q_SLOTS:
  void settingsThatAreRefused_data() {
    QTest::addColumn<QString>("uri");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a URI") << "broker.example"
                               << "is not mqtt://";
    QTest::newRow("another scheme") << "http://broker/x"
                                    << "neither mqtt:// nor mqtts://";
    QTest::newRow("a wildcard") << "mqtt://broker/plant/#"
                                << "is not one to publish to";
    QTest::newRow("a plus") << "mqtt://broker/plant/+/x"
                            << "is not one to publish to";
    QTest::newRow("an empty level") << "mqtt://broker/plant//x"
                                    << "is not one to publish to";
    QTest::newRow("a password in it") << "mqtt://op:pw@broker/x"
                                      << "password in the URI";
  }
  void settingsThatAreRefused() {
    QFETCH(QString, uri);
    QFETCH(QString, reason);
    MqttTarget target;
    Failure failure;
    QVERIFY(!mqtttarget::parse({uri}, "bridge-9", &target, &failure));
    QCOMPARE(failure.kind(), Failure::Kind::Refused);
    QVERIFY2(failure.text().startsWith("WEIGHSTATION_MQTT") && failure.text().contains(reason),
             qPrintable(failure.text()));
  }

  void theSettingsDefaultsAndThePasswordFile() {
    MqttTarget target;
    Failure failure;
    QVERIFY(mqtttarget::parse({"mqtts://office@broker.site"}, "bridge-9", &target, &failure));
    QCOMPARE(target.prefix, QString("weighstation/bridge-9"));
    QCOMPARE(target.port, 8883);
    QVERIFY(target.tls);
    QCOMPARE(target.shown(), QString("mqtts://office@broker.site:8883/weighstation/bridge-9"));
    const QString passwords = dir.filePath("password");
    QFile file(passwords);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("pw-1\n");
    file.close();
    const mqtttarget::Settings withPassword{"mqtt://office@broker", passwords};
    QFile::setPermissions(passwords, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
    QVERIFY(!mqtttarget::parse(withPassword, "bridge-9", &target, &failure));
    QVERIFY2(failure.text().contains("may be read by others"), qPrintable(failure.text()));
    QFile::setPermissions(passwords, QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(mqtttarget::parse(withPassword, "bridge-9", &target, &failure));
    QCOMPARE(target.password, QString("pw-1"));
  }

  // TLS files that cannot be used as the settings name them are refused at
  // once: nothing is published rather than the login sent in clear.
  void tlsSettingsThatCannotBeApplied_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QString>("file");  // "@": a file that is there
    QTest::addColumn<QString>("reason");
    QTest::newRow("a CA that is not there") << "mqtts"
                                            << "WEIGHSTATION_MQTT_CA"
                                            << "/nonexistent"
                                            << "WEIGHSTATION_MQTT_CA: cannot read /nonexistent";
    QTest::newRow("a folder as the CA") << "mqtts"
                                        << "WEIGHSTATION_MQTT_CA"
                                        << "/etc"
                                        << "cannot read /etc";
    QTest::newRow("a CA beside a plain URI") << "mqtt"
                                             << "WEIGHSTATION_MQTT_CA"
                                             << "@"
                                             << "is not mqtts:// (TLS)";
  }
  void tlsSettingsThatCannotBeApplied() {
    QFETCH(QString, scheme);
    QFETCH(QString, variable);
    QFETCH(QString, file);
    QFETCH(QString, reason);
    if (file == "@") {
      file = dir.filePath("ca.crt");
      QFile there(file);
      QVERIFY(there.open(QIODevice::WriteOnly));
    }
    QCOMPARE(variable, QString("WEIGHSTATION_MQTT_CA"));
    MqttTarget target;
    Failure failure;
    const bool taken = mqtttarget::parse({scheme + "://st@127.0.0.1:1883/rel", {}, file},
                                         "bridge-9", &target, &failure);
    QVERIFY(!taken);
    QCOMPARE(failure.kind(), Failure::Kind::Refused);
    QVERIFY2(failure.text().contains(reason), qPrintable(failure.text()));
  }

  // TLS that cannot be set up when the publisher starts (a file gone since
  // the settings were read) sends nothing at all, to a plain listener least.
  void tlsThatCannotBeSetUpSendsNothing() {
    MosquittoBroker broker;
    QString why;
    if (!broker.start(MosquittoBroker::Access::Anonymous, &why))
      QSKIP(qPrintable(why));
    load(5);
    MqttTarget target = targetOf(broker.port());
    target.tls = true;
    target.caFile = dir.filePath("gone-since.crt");
    MqttSubscriber subscriber;
    QVERIFY2(subscriber.start(broker.port(), target.prefix + "/#", &why), qPrintable(why));
    MqttPublisher publisher(target, journal());
    QSignalSpy refused(&publisher, &MqttPublisher::refused);
    publisher.start();
    QVERIFY(refused.wait(5000));
    QVERIFY2(refused.first().first().value<Failure>().text().contains("nothing is sent"),
             qPrintable(refused.first().first().value<Failure>().text()));
    QTest::qWait(2000);
    QCOMPARE(subscriber.lines(), QStringList());
    QVERIFY(publisher.stop(5000));
  }

  // Client ids: stable for a station and its journal, apart for any two
  // stations, within the 23 characters every broker takes.
  void clientIdsAreStableAndApart_data() {
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("other");
    QTest::newRow("long names differing at the end") << "weighbridge-1"
                                                     << "weighbridge-2";
    QTest::newRow("names past 23 characters") << "north-gate-weighbridge-inbound"
                                              << "north-gate-weighbridge-outbound";
    QTest::newRow("other scripts") << "Waage Süd"
                                   << "Waage Nord";
  }
  void clientIdsAreStableAndApart() {
    QFETCH(QString, station);
    QFETCH(QString, other);
    const QString id = mqtttarget::clientId(station, "j-1", "/j.sqlite");
    QCOMPARE(id.size(), 23);
    QCOMPARE(id.toUtf8().size(), 23);
    QCOMPARE(mqtttarget::clientId(station, "j-1", "/j.sqlite"), id);
    QVERIFY(mqtttarget::clientId(other, "j-1", "/j.sqlite") != id);
    QVERIFY(mqtttarget::clientId(station, "j-2", "/j.sqlite") != id);
  }

  // A broker that acknowledges a record without taking it (a message size
  // limit): the cursor does not move past it, and it is said.
  void aRecordTheBrokerDoesNotTakeIsNotPassed() {
    MosquittoBroker broker;
    QString why;
    if (!broker.start(MosquittoBroker::Access::Anonymous, &why, "message_size_limit 600\n"))
      QSKIP(qPrintable(why));
    load(10);
    const MqttTarget target = targetOf(broker.port());
    MqttSubscriber subscriber;
    QVERIFY2(subscriber.start(broker.port(), target.prefix + "/record", &why), qPrintable(why));
    MqttPublisher publisher(target, journal());
    QSignalSpy refused(&publisher, &MqttPublisher::recordRefused);
    QSignalSpy published(&publisher, &MqttPublisher::published);
    publisher.start();
    QVERIFY(refused.wait(10000));
    const Failure refusal = refused.first().first().value<Failure>();
    QCOMPARE(refusal.seq(), qint64(1));
    QVERIFY2(refusal.text().contains("did not take record seq 1"), qPrintable(refusal.text()));
    QTRY_VERIFY_WITH_TIMEOUT(published.size() >= 2, 5000);
    QCOMPARE(published.last().at(0).toLongLong(), qint64(0));  // the cursor stays
    QCOMPARE(published.last().at(1).toLongLong(), qint64(10));
    QCOMPARE(refused.size(), 1);
    QCOMPARE(subscriber.lines(), QStringList());
    QVERIFY(publisher.stop(5000));
    QCOMPARE(recordSeqs(subscriber.lines(), target.prefix), QList<qint64>());
  }

  // The desk's transactions arrive behind their records, in order, the
  // weights as shown; one sealed while the publisher runs follows; a
  // restart publishes none again.
  void transactionsArriveBehindTheirRecords() {
    MosquittoBroker broker;
    QString why;
    if (!broker.start(MosquittoBroker::Access::Anonymous, &why))
      QSKIP(qPrintable(why));
    load(5);
    RecordJournal writer(journal(), key(), "test-desk-writer");
    masterdata::MasterData data(dir.filePath("desk-data.sqlite"));
    desk::Rules rules;
    rules.station = "bridge-9";
    desk::WeighingDesk weighingDesk(writer, data, rules);
    Failure failure;
    QVERIFY(weighingDesk.open(&failure));
    desk::Prepared bags;
    bags.product = "Bags";
    QCOMPARE(weighingDesk.single(1, bags, &failure), qint64(1));
    QCOMPARE(weighingDesk.single(2, bags, &failure), qint64(2));
    const MqttTarget target = targetOf(broker.port());
    MqttSubscriber subscriber;
    QVERIFY2(subscriber.start(broker.port(), target.prefix + "/transaction", &why),
             qPrintable(why));
    auto transactionsSeen = [&] {
      QList<QJsonObject> seen;
      for (const QString &line : subscriber.lines())
        seen << QJsonDocument::fromJson(line.section(' ', 1).toUtf8()).object();
      return seen;
    };
    {
      MqttPublisher publisher(target, journal());
      publisher.start();
      QTRY_COMPARE_WITH_TIMEOUT(transactionsSeen().size(), 2, 20000);
      QCOMPARE(weighingDesk.single(3, bags, &failure), qint64(3));
      QTRY_COMPARE_WITH_TIMEOUT(transactionsSeen().size(), 3, 20000);
      publisher.stop();
    }
    {
      MqttPublisher again(target, journal());
      again.start();
      QTest::qWait(1500);
      again.stop();
    }
    const QList<QJsonObject> seen = transactionsSeen();
    QCOMPARE(seen.size(), 3);
    for (int n = 0; n < 3; ++n)
      QCOMPARE(seen[n]["seq"].toInteger(), qint64(n + 1));
    QCOMPARE(seen[1]["net"].toObject()["text"].toString(), QString("1001"));
    QCOMPARE(seen[1]["first_record"].toInteger(), qint64(2));
    QCOMPARE(seen[1]["product"].toString(), QString("Bags"));
    QVERIFY(seen[1]["mac"].toString().startsWith("2."));
  }

  // Records 1..N in order, the readouts as shown, the status online then
  // offline; the cursor in the journal at N.
  void recordsAndReadingsArrive() {
    MosquittoBroker broker;
    QString why;
    if (!broker.start(MosquittoBroker::Access::Anonymous, &why))
      QSKIP(qPrintable(why));
    load(300);
    const MqttTarget target = targetOf(broker.port());
    MqttSubscriber subscriber;
    QVERIFY2(subscriber.start(broker.port(), target.prefix + "/#", &why), qPrintable(why));
    MqttPublisher publisher(target, journal());
    publisher.start();
    LiveReadings readings;
    readings.scales[0] =
        livepayloads::scaleReading(true, "+", {0, 0, 1, 2, 3, 4, 5}, 1, "kg", "GROSS");
    readings.scales[1] =
        livepayloads::scaleReading(true, "-", {0, 0, 0, 0, 8, 3, 0}, 0, "kg", "NET");
    readings.total = livepayloads::totalReading("+", {0, 0, 0, 0, 3, 6, 1, 5}, 3, "kg", "GROSS");
    publisher.offerReadings(readings);
    QTRY_VERIFY_WITH_TIMEOUT(recordSeqs(subscriber.lines(), target.prefix).size() >= 300, 20000);
    QList<qint64> expected;
    for (qint64 seq = 1; seq <= 300; ++seq)
      expected << seq;
    QCOMPARE(recordSeqs(subscriber.lines(), target.prefix), expected);
    const QStringList lines = subscriber.lines();
    const QJsonObject first =
        QJsonDocument::fromJson(
            lines[lines.indexOf(QRegularExpression(".*/record .*"))].section(' ', 1).toUtf8())
            .object();
    QCOMPARE(first["seq"].toInteger(), qint64(1));
    QCOMPARE(first["total"].toObject()["value"].toInteger(), qint64(1000));  // not 1000.0002
    QCOMPARE(first["station"].toString(), QString("bridge-9"));
    QVERIFY(first["mac"].toString().startsWith("2."));  // the record's public seal
    const QJsonObject scale1 =
        QJsonDocument::fromJson(lastPayload(lines, target.prefix + "/scale/1/reading").toUtf8())
            .object();
    QCOMPARE(scale1["value"].toDouble(), 12.345);
    QCOMPARE(scale1["digits"].toString(), QString("0012345"));
    const QJsonObject scale2 =
        QJsonDocument::fromJson(lastPayload(lines, target.prefix + "/scale/2/reading").toUtf8())
            .object();
    QCOMPARE(scale2["value"].toInteger(), qint64(-830));
    QCOMPARE(scale2["mode"].toString(), QString("NET"));
    QCOMPARE(QJsonDocument::fromJson(lastPayload(lines, target.prefix + "/total").toUtf8())["value"]
                 .toDouble(),
             3.615);
    QCOMPARE(
        QJsonDocument::fromJson(lastPayload(lines, target.prefix + "/status").toUtf8())["state"]
            .toString(),
        QString("online"));
    // Unchanged readouts are not published again.
    const qsizetype before = subscriber.lines().size();
    publisher.offerReadings(readings);
    QTest::qWait(300);
    QCOMPARE(subscriber.lines().size(), before);
    publisher.stop();
    QTRY_COMPARE_WITH_TIMEOUT(
        QJsonDocument::fromJson(
            lastPayload(subscriber.lines(), target.prefix + "/status").toUtf8())["state"]
            .toString(),
        QString("offline"), 5000);
    // The readings kept on the broker no longer say they are live; what was
    // shown stays.
    for (const QString leaf : {"/scale/1/reading", "/scale/2/reading", "/total"}) {
      QTRY_COMPARE_WITH_TIMEOUT(
          QJsonDocument::fromJson(lastPayload(subscriber.lines(), target.prefix + leaf).toUtf8())
              .object()["connected"]
              .toBool(true),
          false, 5000);
    }
    QCOMPARE(QJsonDocument::fromJson(
                 lastPayload(subscriber.lines(), target.prefix + "/scale/1/reading").toUtf8())
                 .object()["value"]
                 .toDouble(),
             12.345);
    // The cursor: a new publisher has nothing to send again.
    MqttSubscriber later;
    QVERIFY(later.start(broker.port(), target.prefix + "/record", &why));
    MqttPublisher again(target, journal());
    again.start();
    QTest::qWait(1500);
    again.stop();
    QCOMPARE(later.lines(), QStringList());
  }

  // The broker stopped in the middle of a backlog and started again: every
  // record arrives.
  void aBrokerOutageLosesNothing() {
    MosquittoBroker broker;
    QString why;
    if (!broker.start(MosquittoBroker::Access::Anonymous, &why))
      QSKIP(qPrintable(why));
    load(3000);
    const MqttTarget target = targetOf(broker.port());
    MqttSubscriber subscriber;
    QVERIFY2(subscriber.start(broker.port(), target.prefix + "/record", &why), qPrintable(why));
    MqttPublisher publisher(target, journal());
    publisher.start();
    QTRY_VERIFY_WITH_TIMEOUT(recordSeqs(subscriber.lines(), target.prefix).size() >= 200, 20000);
    broker.stop();
    QTest::qWait(1500);
    QVERIFY2(broker.restart(&why), qPrintable(why));
    QTRY_VERIFY_WITH_TIMEOUT(allOf(recordSeqs(subscriber.lines(), target.prefix), 3000), 60000);
    publisher.stop();
  }

  // The monitor killed while records wait, and started again: none missing.
  void aKilledMonitorLosesNothing() {
    MosquittoBroker broker;
    QString why;
    if (!broker.start(MosquittoBroker::Access::Anonymous, &why))
      QSKIP(qPrintable(why));
    load(5000);
    const MqttTarget target = targetOf(broker.port());
    MqttSubscriber subscriber;
    QVERIFY2(subscriber.start(broker.port(), target.prefix + "/record", &why), qPrintable(why));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(
        "WEIGHSTATION_MQTT",
        QStringLiteral("mqtt://127.0.0.1:%1/%2").arg(broker.port()).arg(target.prefix));
    environment.insert("WEIGHSTATION_JOURNAL", journal());
    environment.insert("WEIGHSTATION_JOURNAL_KEY", key());
    environment.insert("WEIGHSTATION_ADAPTERS", "");
    QProcess monitor;
    monitor.setProcessEnvironment(environment);
    const QString program = qEnvironmentVariable("TEST_MONITOR_BIN", "build/weighstation");
    monitor.start(program, {});
    QVERIFY(monitor.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(recordSeqs(subscriber.lines(), target.prefix).size() >= 100, 30000);
    monitor.kill();
    monitor.waitForFinished();
    QVERIFY(!allOf(recordSeqs(subscriber.lines(), target.prefix), 5000));
    monitor.start(program, {});
    QTRY_VERIFY_WITH_TIMEOUT(allOf(recordSeqs(subscriber.lines(), target.prefix), 5000), 60000);
    monitor.kill();
    monitor.waitForFinished();
  }

  // The monitor's readouts of three simulated indicators, as the displays
  // show them, and its status.
  void theMonitorsReadingsArrive() {
    MosquittoBroker broker;
    QString why;
    if (!broker.start(MosquittoBroker::Access::Anonymous, &why))
      QSKIP(qPrintable(why));
    Simulator sim;
    QVERIFY(sim.start({"weight=1250", "weight=830", "weight=75"}));
    const QString prefix = QStringLiteral("test/readings");
    MqttSubscriber subscriber;
    QVERIFY2(subscriber.start(broker.port(), prefix + "/#", &why), qPrintable(why));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("WEIGHSTATION_MQTT",
                       QStringLiteral("mqtt://127.0.0.1:%1/%2").arg(broker.port()).arg(prefix));
    environment.insert("WEIGHSTATION_JOURNAL", journal());
    environment.insert("WEIGHSTATION_JOURNAL_KEY", key());
    environment.insert("WEIGHSTATION_ADAPTERS", sim.adapters());
    environment.insert("LD_PRELOAD", qEnvironmentVariable("E2E_DRIVER"));
    environment.insert("E2E_SCENARIO", "connect");
    environment.insert("E2E_REPORT", dir.filePath("readings-report.json"));
    QProcess monitor;
    monitor.setProcessEnvironment(environment);
    monitor.start(qEnvironmentVariable("TEST_MONITOR_BIN", "build/weighstation"), {});
    QVERIFY(monitor.waitForStarted());
    auto valueOf = [&](const QString &leaf) {
      return QJsonDocument::fromJson(lastPayload(subscriber.lines(), prefix + '/' + leaf).toUtf8())
          .object();
    };
    QTRY_COMPARE_WITH_TIMEOUT(valueOf("scale/1/reading")["value"].toInteger(), qint64(1250), 15000);
    QTRY_COMPARE_WITH_TIMEOUT(valueOf("scale/2/reading")["value"].toInteger(), qint64(830), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(valueOf("scale/3/reading")["value"].toInteger(), qint64(75), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(valueOf("total")["value"].toInteger(), qint64(2155), 5000);
    const QJsonObject scale1 = valueOf("scale/1/reading");
    QVERIFY(scale1["connected"].toBool());
    QCOMPARE(scale1["digits"].toString(), QString("0001250"));
    QCOMPARE(scale1["unit"].toString(), QString("lbs"));
    QCOMPARE(valueOf("status")["state"].toString(), QString("online"));
    // Killed: the broker's last will says so.
    monitor.kill();
    monitor.waitForFinished();
    QTRY_COMPARE_WITH_TIMEOUT(valueOf("status")["state"].toString(), QString("offline"), 60000);
  }

  // A wrong password and a certificate the monitor does not trust are said
  // at once, with the broker's (or TLS's) reason.
  void refusalsAreSaid_data() {
    QTest::addColumn<int>("access");
    QTest::addColumn<QString>("reason");
    QTest::newRow("wrong password")
        << int(MosquittoBroker::Access::Password) << "Connection Refused";
    QTest::newRow("untrusted certificate")
        << int(MosquittoBroker::Access::Tls) << "certificate verify failed";
  }
  void refusalsAreSaid() {
    QFETCH(int, access);
    QFETCH(QString, reason);
    MosquittoBroker broker;
    QString why;
    if (!broker.start(MosquittoBroker::Access(access), &why))
      QSKIP(qPrintable(why));
    const QString passwords = dir.filePath("wrong-password");
    QFile file(passwords);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not-the-password\n");
    file.close();
    QFile::setPermissions(passwords, QFile::ReadOwner | QFile::WriteOwner);
    const bool tls = access == int(MosquittoBroker::Access::Tls);
    const MqttTarget target = targetOf(broker.port(), tls ? "mqtts" : "mqtt",
                                       tls ? QString() : MosquittoBroker::kUser, {{}, passwords});
    MqttPublisher publisher(target, journal());
    QSignalSpy refused(&publisher, &MqttPublisher::refused);
    publisher.start();
    QVERIFY(refused.wait(10000));
    const Failure failure = refused.first().first().value<Failure>();
    QCOMPARE(failure.kind(), Failure::Kind::Refused);
    QVERIFY2(failure.text().contains(reason, Qt::CaseInsensitive), qPrintable(failure.text()));
    QTest::qWait(2500);  // tried again, not said again
    QCOMPARE(refused.size(), 1);
    publisher.stop();
  }

  // The same broker with the site's CA and the right password: accepted.
  void aTrustedBrokerWithTheRightPassword() {
    MosquittoBroker broker;
    QString why;
    if (!broker.start(MosquittoBroker::Access::Tls, &why))
      QSKIP(qPrintable(why));
    load(5);
    const MqttTarget target = targetOf(broker.port(), "mqtts", {}, {{}, {}, broker.caFile()});
    QCOMPARE(target.caFile, broker.caFile());
    MqttPublisher publisher(target, journal());
    QSignalSpy published(&publisher, &MqttPublisher::published);
    publisher.start();
    QTRY_VERIFY_WITH_TIMEOUT(!published.isEmpty() && published.last().at(0).toLongLong() == 5 &&
                                 published.last().at(2).toBool(),
                             15000);
    publisher.stop();
  }
};

QTEST_GUILESS_MAIN(MqttTest)
#include "tst_mqtt.moc"
