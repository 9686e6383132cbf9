#include "publishing/mqtttarget.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <QUrl>

namespace mqtttarget {

bool validPrefix(const QString &prefix) {
  if (prefix.isEmpty() || prefix.contains(u'#') || prefix.contains(u'+') ||
      prefix.contains(QChar(0)) || prefix.startsWith(u'/') || prefix.endsWith(u'/'))
    return false;
  return !prefix.split(u'/').contains(QString());
}

namespace {
bool refuse(const QString &why, Failure *failure) {
  *failure = Failure(Failure::Kind::Refused, QStringLiteral("WEIGHSTATION_MQTT: %1").arg(why));
  return false;
}

// The password file's first line; refused when its group or others may
// read it.
bool readPassword(const QString &path, QString *password, Failure *failure) {
  struct stat info {};
  if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QStringLiteral("WEIGHSTATION_MQTT_PASSWORD_FILE: cannot read %1").arg(path));
    return false;
  }
  if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
    *failure = Failure(Failure::Kind::Refused,
                       QStringLiteral("WEIGHSTATION_MQTT_PASSWORD_FILE: %1 may be read by others "
                                      "than its owner (chmod 600 it)")
                           .arg(path));
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *failure = Failure(Failure::Kind::CannotOpen,
                       QStringLiteral("WEIGHSTATION_MQTT_PASSWORD_FILE: cannot read %1: %2")
                           .arg(path, file.errorString()));
    return false;
  }
  *password = QString::fromUtf8(file.readLine()).trimmed();
  return true;
}
// TLS files as the settings name them: each a file this program can read,
// and only where TLS is asked for (mqtts://): a certificate set beside a
// plain URI would send the login in clear.
bool checkTlsFiles(const MqttTarget &target, const QString &uri, Failure *failure) {
  const std::pair<const char *, QString> files[] = {{"WEIGHSTATION_MQTT_CA", target.caFile},
                                                    {"WEIGHSTATION_MQTT_CERT", target.certFile},
                                                    {"WEIGHSTATION_MQTT_CERT_KEY", target.keyFile}};
  for (const auto &[variable, path] : files) {
    if (path.isEmpty())
      continue;
    if (!target.tls)
      return refuse(
          QCoreApplication::translate("Publishing", "%1 is set, but '%2' is not mqtts:// (TLS)")
              .arg(QLatin1String(variable), uri),
          failure);
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) {
      *failure = Failure(Failure::Kind::Refused,
                         QCoreApplication::translate("Publishing", "%1: cannot read %2")
                             .arg(QLatin1String(variable), path));
      return false;
    }
  }
  return true;
}
}  // namespace

bool parse(const Settings &settings, const QString &station, MqttTarget *target, Failure *failure) {
  const QString &uri = settings.uri;
  // A '#' would read as a fragment: said for what it is, a wildcard.
  if (uri.contains(u'#') || uri.contains(QChar(0)))
    return refuse(QCoreApplication::translate(
                      "Publishing",
                      "the topic prefix in '%1' is not one to publish to (no '#', '+', "
                      "NUL or empty level)")
                      .arg(uri),
                  failure);
  const QUrl url(uri, QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty())
    return refuse(
        QCoreApplication::translate("Publishing", "'%1' is not mqtt://[user@]host[:port][/prefix]")
            .arg(uri),
        failure);
  if (url.scheme() != QLatin1String("mqtt") && url.scheme() != QLatin1String("mqtts"))
    return refuse(
        QCoreApplication::translate("Publishing", "'%1' is neither mqtt:// nor mqtts://").arg(uri),
        failure);
  if (!url.password().isEmpty())
    return refuse(QCoreApplication::translate("Publishing",
                                              "a password in the URI is refused; give it in "
                                              "WEIGHSTATION_MQTT_PASSWORD_FILE"),
                  failure);
  if (url.hasQuery() || url.hasFragment())
    return refuse(QCoreApplication::translate(
                      "Publishing", "'%1' has a query or fragment, which it does not take")
                      .arg(uri),
                  failure);
  MqttTarget parsed;
  parsed.tls = url.scheme() == QLatin1String("mqtts");
  parsed.host = url.host();
  parsed.port = url.port(parsed.tls ? 8883 : 1883);
  parsed.user = url.userName();
  QString prefix = url.path(QUrl::FullyDecoded);
  while (prefix.startsWith(u'/'))
    prefix.remove(0, 1);
  parsed.prefix = prefix.isEmpty() ? QStringLiteral("weighstation/") + station : prefix;
  if (!validPrefix(parsed.prefix))
    return refuse(
        QCoreApplication::translate("Publishing",
                                    "the topic prefix '%1' is not one to publish to (no '#', '+', "
                                    "NUL or empty level)")
            .arg(parsed.prefix),
        failure);
  if (!settings.passwordFile.isEmpty() &&
      !readPassword(settings.passwordFile, &parsed.password, failure))
    return false;
  parsed.caFile = settings.caFile;
  parsed.certFile = settings.certFile;
  parsed.keyFile = settings.keyFile;
  parsed.station = station;
  if (parsed.certFile.isEmpty() != parsed.keyFile.isEmpty())
    return refuse(QStringLiteral("WEIGHSTATION_MQTT_CERT and WEIGHSTATION_MQTT_CERT_KEY go "
                                 "together"),
                  failure);
  if (!checkTlsFiles(parsed, uri, failure))
    return false;
  *target = parsed;
  return true;
}

QString clientId(const QString &station, const QString &journalId, const QString &journalPath) {
  const QByteArray identity =
      journalId.isEmpty() ? QSysInfo::machineUniqueId() + '\n' + QFile::encodeName(journalPath)
                          : journalId.toUtf8();
  const QByteArray digest =
      QCryptographicHash::hash(station.toUtf8() + '\0' + identity, QCryptographicHash::Sha256);
  return QStringLiteral("ws-") + QString::fromLatin1(digest.toHex().left(20));
}

}  // namespace mqtttarget

QString MqttTarget::shown() const {
  return QStringLiteral("%1://%2%3:%4/%5")
      .arg(tls ? QStringLiteral("mqtts") : QStringLiteral("mqtt"),
           user.isEmpty() ? QString() : user + u'@', host)
      .arg(port)
      .arg(prefix);
}
