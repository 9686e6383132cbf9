// A mosquitto broker of the test's own on a free loopback port, with a
// configuration it writes: anonymous, with a password file, or with TLS
// (a CA and a server certificate made with openssl). Stopped, started
// again on the same port (its persistence kept), or killed.
#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class MosquittoBroker {
 public:
  enum class Access { Anonymous, Password, Tls };
  ~MosquittoBroker();

  // False with the reason when mosquitto (or openssl) cannot be used.
  // `extraConfig`: lines added to the broker's configuration.
  bool start(Access access, QString *why, const QString &extraConfig = QString());
  bool restart(QString *why);
  void stop();
  int port() const { return port_; }
  // The CA that signed the server's certificate (TLS).
  QString caFile() const { return dir_.filePath("ca.crt"); }
  QString filePath(const QString &name) const { return dir_.filePath(name); }
  static constexpr const char *kUser = "scale-office";
  static constexpr const char *kPassword = "s3cret-weights";

 private:
  bool launch(QString *why);
  bool makeCertificates(QString *why);

  QTemporaryDir dir_;
  QProcess broker_;
  int port_ = 0;
};

// A subscriber (mosquitto_sub) of `topic` with a persistent session at
// QoS 1: every line is "<topic> <payload>".
class MqttSubscriber {
 public:
  ~MqttSubscriber();
  bool start(int port, const QString &topic, QString *why);
  // Every line received so far.
  QStringList lines();

 private:
  QProcess sub_;
  QByteArray buffer_;
  QStringList lines_;
};
