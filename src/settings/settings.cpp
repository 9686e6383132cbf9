#include "settings/settings.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace settings {
namespace {
const QString kFileName = QStringLiteral("/weighstation/weighstation.conf");

const Key *find(const QString &name) {
  for (const Key &key : keys()) {
    if (key.name == name)
      return &key;
  }
  return nullptr;
}

// QSettings reads "a, b" as a list: the text is what the person wrote.
QString textOf(const QVariant &value) {
  if (value.metaType().id() == QMetaType::QStringList)
    return value.toStringList().join(QStringLiteral(", "));
  return value.toString();
}

// Why `text` is not a value of `kind`; empty when it is.
QString refusalOf(Kind kind, const QString &text) {
  if (kind == Kind::WholeNumber && !text.trimmed().isEmpty()) {
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    if (!ok || number < 0)
      return QStringLiteral("not a whole number");
  }
  if (kind == Kind::Path && text.contains(QChar(0)))
    return QStringLiteral("not a file name");
  return {};
}

QString problemText(const QString &where, const QString &key, const QString &value,
                    const QString &why) {
  const Key *known = find(key);
  QString text = QStringLiteral("%1: %2 = \"%3\": %4").arg(where, key, value, why);
  if (known)
    text += QStringLiteral("; the %1 is used")
                .arg(known->defaultText.isEmpty()
                         ? QStringLiteral("default")
                         : QStringLiteral("default (%1)").arg(known->defaultText));
  return text;
}

struct FileRead {
  bool readable = true;
  QString value;
  bool found = false;
};

FileRead readFile(const QString &path, const QString &key) {
  FileRead read;
  if (path.isEmpty() || !QFileInfo::exists(path))
    return read;
  const QSettings file(path, QSettings::IniFormat);
  if (file.status() != QSettings::NoError || !QFileInfo(path).isReadable()) {
    read.readable = false;
    return read;
  }
  const QVariant value = file.value(key);
  read.found = value.isValid();
  read.value = textOf(value);
  return read;
}
}  // namespace

const QList<Key> &keys() {
  static const QList<Key> kKeys{
      {QStringLiteral("station"), Kind::Text, QStringLiteral("the computer's host name"),
       QStringLiteral("the station's name in every record")},
      {QStringLiteral("adapters"), Kind::Text,
       QStringLiteral("every attached FTDI adapter, by serial number"),
       QStringLiteral("the scales' adapters, comma-separated device files, scale 1 first")},
      {QStringLiteral("journal"), Kind::Path,
       QStringLiteral("~/.local/share/weighstation/journal.sqlite"),
       QStringLiteral("the record journal")},
      {QStringLiteral("journal_key"), Kind::Path,
       QStringLiteral("~/.config/weighstation/journal.key"),
       QStringLiteral("the journal's key (made at the first record, mode 0600)")},
      {QStringLiteral("journal_heads"), Kind::Path,
       QStringLiteral("the key's folder, and ~/.local/state/weighstation"),
       QStringLiteral("the folder of the journal's end witnesses (heads)")},
      {QStringLiteral("journal_epoch_seconds"), Kind::WholeNumber, QStringLiteral("86400"),
       QStringLiteral("how long each signing key seals (seconds, at least 60) before it is "
                      "erased")},
      {QStringLiteral("journal_min_free_mb"), Kind::WholeNumber, QStringLiteral("100"),
       QStringLiteral("free space (MB) below which the monitor warns before a record")},
      {QStringLiteral("central"), Kind::Text, QStringLiteral("none: nothing is shipped"),
       QStringLiteral("the central PostgreSQL database's URI")},
      {QStringLiteral("mqtt"), Kind::Text, QStringLiteral("none: nothing is published"),
       QStringLiteral("the MQTT broker's URI, mqtt://[user@]host[:port][/prefix] or mqtts://")},
      {QStringLiteral("mqtt_password_file"), Kind::Path, QStringLiteral("none"),
       QStringLiteral("the broker password's file (mode 0600)")},
      {QStringLiteral("mqtt_ca"), Kind::Path, QStringLiteral("the system's CA store"),
       QStringLiteral("the CA certificate that signed the broker's")},
      {QStringLiteral("mqtt_cert"), Kind::Path, QStringLiteral("none"),
       QStringLiteral("the monitor's client certificate for the broker")},
      {QStringLiteral("mqtt_cert_key"), Kind::Path, QStringLiteral("none"),
       QStringLiteral("the client certificate's private key")},
      {QStringLiteral("site_name"), Kind::Text, QStringLiteral("none"),
       QStringLiteral("the site's name on tickets and reports")},
      {QStringLiteral("site_address_1"), Kind::Text, QStringLiteral("none"),
       QStringLiteral("the site's address, first line")},
      {QStringLiteral("site_address_2"), Kind::Text, QStringLiteral("none"),
       QStringLiteral("the site's address, second line")},
      {QStringLiteral("site_address_3"), Kind::Text, QStringLiteral("none"),
       QStringLiteral("the site's address, third line")},
      {QStringLiteral("site_logo"), Kind::Path, QStringLiteral("none"),
       QStringLiteral("an image file printed at the top of tickets and reports")},
  };
  return kKeys;
}

QString variableOf(const QString &key) {
  return QStringLiteral("WEIGHSTATION_") + key.toUpper();
}

QString userFile() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + kFileName;
}

// $XDG_CONFIG_DIRS, as Qt reads it: every configuration folder after the
// user's own.
QString systemFile() {
  const QStringList folders =
      QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation);
  for (qsizetype i = 1; i < folders.size(); ++i) {
    if (QFileInfo::exists(folders[i] + kFileName))
      return folders[i] + kFileName;
  }
  return folders.size() > 1 ? folders[1] + kFileName : QStringLiteral("/etc/xdg") + kFileName;
}

QString originText(Origin origin) {
  switch (origin) {
    case Origin::Default:
      return QStringLiteral("default");
    case Origin::SystemFile:
      return QStringLiteral("system file");
    case Origin::UserFile:
      return QStringLiteral("user file");
    case Origin::Environment:
      return QStringLiteral("environment");
  }
  return {};
}

// A value of the wrong kind is not passed on to a file below it: the
// default is used, as problems() says.
Entry lookup(const QString &key) {
  const Key *known = find(key);
  const Kind kind = known ? known->kind : Kind::Text;
  Entry entry;
  entry.key = key;
  const QByteArray variable = variableOf(key).toUtf8();
  if (qEnvironmentVariableIsSet(variable.constData())) {
    const QString text = qEnvironmentVariable(variable.constData());
    if (refusalOf(kind, text).isEmpty()) {
      entry.value = text;
      entry.origin = Origin::Environment;
      entry.where = QString::fromUtf8(variable);
    }
    return entry;
  }
  for (const auto &[origin, path] :
       {std::pair{Origin::UserFile, userFile()}, std::pair{Origin::SystemFile, systemFile()}}) {
    const FileRead read = readFile(path, key);
    if (!read.found)
      continue;
    if (refusalOf(kind, read.value).isEmpty()) {
      entry.value = read.value;
      entry.origin = origin;
      entry.where = path;
    }
    return entry;
  }
  return entry;
}

qint64 wholeNumber(const QString &key, qint64 fallback) {
  const Entry entry = lookup(key);
  bool ok = false;
  const qint64 number = entry.value.trimmed().toLongLong(&ok);
  return ok ? number : fallback;
}

QStringList problems() {
  QStringList found;
  for (const QString &path : {userFile(), systemFile()}) {
    if (!QFileInfo::exists(path))
      continue;
    const QSettings file(path, QSettings::IniFormat);
    if (!QFileInfo(path).isReadable() || file.status() == QSettings::AccessError) {
      found << QStringLiteral("%1: cannot be read; its settings are not used").arg(path);
      continue;
    }
    if (file.status() == QSettings::FormatError) {
      found << QStringLiteral(
                   "%1: not a settings file (lines of key = value); its settings are "
                   "not used")
                   .arg(path);
      continue;
    }
    for (const QString &key : file.allKeys()) {
      const QString text = textOf(file.value(key));
      const Key *known = find(key);
      if (!known)
        found << QStringLiteral("%1: %2 = \"%3\": no such setting; it is not used")
                     .arg(path, key, text);
      else if (const QString why = refusalOf(known->kind, text); !why.isEmpty())
        found << problemText(path, key, text, why);
    }
  }
  for (const Key &key : keys()) {
    const QByteArray variable = variableOf(key.name).toUtf8();
    if (!qEnvironmentVariableIsSet(variable.constData()))
      continue;
    const QString text = qEnvironmentVariable(variable.constData());
    if (const QString why = refusalOf(key.kind, text); !why.isEmpty())
      found << problemText(QString::fromUtf8(variable), key.name, text, why);
  }
  return found;
}

}  // namespace settings
