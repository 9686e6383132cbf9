#include "mosquittobroker.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace {
int freePort() {
  QTcpServer server;
  server.listen(QHostAddress::LocalHost, 0);
  return server.serverPort();
}

bool run(const QString &program, const QStringList &arguments, QString *why) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitCode() != 0) {
    *why = QStringLiteral("%1 failed: %2")
               .arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return false;
  }
  return true;
}
}  // namespace

MosquittoBroker::~MosquittoBroker() {
  stop();
}

bool MosquittoBroker::makeCertificates(QString *why) {
  const QString d = dir_.path() + '/';
  QFile san(d + "san.ext");
  if (!san.open(QIODevice::WriteOnly))
    return false;
  san.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n");
  san.close();
  return run("openssl",
             {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj",
              "/CN=weighstation test CA", "-keyout", d + "ca.key", "-out", d + "ca.crt"},
             why) &&
         run("openssl",
             {"req", "-newkey", "rsa:2048", "-nodes", "-subj", "/CN=127.0.0.1", "-keyout",
              d + "server.key", "-out", d + "server.csr"},
             why) &&
         run("openssl",
             {"x509", "-req", "-in", d + "server.csr", "-CA", d + "ca.crt", "-CAkey", d + "ca.key",
              "-CAcreateserial", "-days", "2", "-extfile", d + "san.ext", "-out", d + "server.crt"},
             why);
}

bool MosquittoBroker::start(Access access, QString *why, const QString &extraConfig) {
  if (!dir_.isValid()) {
    *why = QStringLiteral("no temporary folder");
    return false;
  }
  port_ = freePort();
  // Run as root, mosquitto would become the user "mosquitto", who cannot
  // read this folder: it stays who started it.
  const passwd *me = ::getpwuid(::geteuid());
  // A subscriber's queue is not limited: a burst faster than it reads
  // would otherwise be dropped by the broker, not by what is tested.
  QString config = QStringLiteral(
                       "listener %1 127.0.0.1\npersistence true\npersistence_location %2/\n"
                       "max_queued_messages 0\n")
                       .arg(port_)
                       .arg(dir_.path());
  if (me)
    config += QStringLiteral("user %1\n").arg(QString::fromLocal8Bit(me->pw_name));
  if (access == Access::Password) {
    if (!run("mosquitto_passwd",
             {"-b", "-c", dir_.filePath("passwords"), QString::fromLatin1(kUser),
              QString::fromLatin1(kPassword)},
             why))
      return false;
    config +=
        QStringLiteral("allow_anonymous false\npassword_file %1\n").arg(dir_.filePath("passwords"));
  } else {
    config += QStringLiteral("allow_anonymous true\n");
  }
  if (access == Access::Tls) {
    if (!makeCertificates(why))
      return false;
    config += QStringLiteral("cafile %1\ncertfile %2\nkeyfile %3\n")
                  .arg(caFile(), dir_.filePath("server.crt"), dir_.filePath("server.key"));
  }
  config += extraConfig;
  QFile file(dir_.filePath("mosquitto.conf"));
  if (!file.open(QIODevice::WriteOnly) || file.write(config.toUtf8()) < 0) {
    *why = QStringLiteral("cannot write the broker's configuration");
    return false;
  }
  file.close();
  return launch(why);
}

bool MosquittoBroker::launch(QString *why) {
  broker_.setProcessChannelMode(QProcess::MergedChannels);
  broker_.start(QStringLiteral("mosquitto"), {"-c", dir_.filePath("mosquitto.conf")});
  if (!broker_.waitForStarted(5000)) {
    *why = QStringLiteral("cannot start mosquitto: %1").arg(broker_.errorString());
    return false;
  }
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 10000) {
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, quint16(port_));
    if (probe.waitForConnected(200))
      return true;
    if (broker_.state() == QProcess::NotRunning)
      break;
    QThread::msleep(50);
  }
  *why =
      QStringLiteral("mosquitto did not listen: %1").arg(QString::fromLocal8Bit(broker_.readAll()));
  return false;
}

bool MosquittoBroker::restart(QString *why) {
  stop();
  return launch(why);
}

void MosquittoBroker::stop() {
  if (broker_.state() == QProcess::NotRunning)
    return;
  broker_.terminate();
  if (!broker_.waitForFinished(5000)) {
    broker_.kill();
    broker_.waitForFinished();
  }
}

MqttSubscriber::~MqttSubscriber() {
  sub_.terminate();
  sub_.waitForFinished(3000);
}

bool MqttSubscriber::start(int port, const QString &topic, QString *why) {
  static int subscribers = 0;
  sub_.start(QStringLiteral("mosquitto_sub"),
             {"-h", "127.0.0.1", "-p", QString::number(port), "-t", topic, "-v", "-q", "1", "-c",
              "-i", QStringLiteral("test-subscriber-%1").arg(++subscribers)});
  if (!sub_.waitForStarted(5000)) {
    *why = QStringLiteral("cannot start mosquitto_sub");
    return false;
  }
  QThread::msleep(300);  // subscribed before anything is published
  return true;
}

QStringList MqttSubscriber::lines() {
  buffer_ += sub_.readAllStandardOutput();
  int end = 0;
  while ((end = int(buffer_.indexOf('\n'))) >= 0) {
    lines_ << QString::fromUtf8(buffer_.left(end));
    buffer_.remove(0, end + 1);
  }
  return lines_;
}
