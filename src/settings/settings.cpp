#include "settings/settings.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QSet>
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

// A path as its user means it: "~" and "~/..." in the home folder.
QString expandedPath(const QString &text) {
  if (text == QLatin1String("~"))
    return QDir::homePath();
  if (text.startsWith(QLatin1String("~/")))
    return QDir::homePath() + text.mid(1);
  return text;
}

// Why `text` is not a value of `key`; empty when it is.
QString refusalOf(const Key *key, const QString &text) {
  const Kind kind = key ? key->kind : Kind::Text;
  if (kind == Kind::WholeNumber && !text.trimmed().isEmpty()) {
    bool ok = false;
    const qint64 number = text.trimmed().toLongLong(&ok);
    if (!ok || number < 0)
      return QCoreApplication::translate("Settings", "not a whole number");
    if (key->most > 0 && (number < key->least || number > key->most))
      return QCoreApplication::translate("Settings", "not from %1 to %2")
          .arg(key->least)
          .arg(key->most);
  }
  if (kind == Kind::Path && text.contains(QChar(0)))
    return QCoreApplication::translate("Settings", "not a file name");
  // A relative path would name another file from every folder a program
  // is started in.
  if (kind == Kind::Path && !text.isEmpty() && !QDir::isAbsolutePath(expandedPath(text)))
    return QCoreApplication::translate("Settings", "not an absolute path (start it with / or ~/)");
  return {};
}

// Text as a person can read it on a terminal: control characters and
// bytes that are not UTF-8 escaped, at most 80 characters.
QString printable(const QByteArray &bytes) {
  QString shown;
  const QString text = QString::fromUtf8(bytes);
  const bool utf8 = text.toUtf8() == bytes;
  if (utf8) {
    for (const QChar c : text)
      shown +=
          c.isPrint() ? QString(c) : QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
  } else {
    for (const char c : bytes)
      shown += (c >= 0x20 && c < 0x7f) ? QString(QLatin1Char(c))
                                       : QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QChar(u'0'));
  }
  return shown.size() > 80 ? shown.left(77) + QStringLiteral("...") : shown;
}

constexpr qint64 kMostFileBytes = 1 << 20;

// A settings file as read before QSettings may read it: only a plain file
// (a pipe would block every program at start), each line a setting, a
// comment, a section or blank.
struct FileScan {
  bool exists = false;
  bool usable = false;
  QStringList problems;
  QSet<QString> refusedKeys;  // on lines that cannot be read as written
};

FileScan scanLines(const QString &path, const QByteArray &content, FileScan scan) {
  const QList<QByteArray> lines = content.split('\n');
  for (qsizetype n = 0; n < lines.size(); ++n) {
    QByteArray line = lines[n];
    if (line.endsWith('\r'))
      line.chop(1);
    const QByteArray trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(';') || trimmed.startsWith('#') ||
        (trimmed.startsWith('[') && trimmed.endsWith(']') && !trimmed.contains('\0')))
      continue;
    const qsizetype equals = trimmed.indexOf('=');
    const QByteArray key = equals > 0 ? trimmed.left(equals).trimmed() : QByteArray();
    const QByteArray value = equals > 0 ? trimmed.mid(equals + 1).trimmed() : QByteArray();
    QString why;
    if (key.isEmpty())
      why = QCoreApplication::translate("Settings", "not a setting (key = value)");
    else if (line.contains('\0'))
      why = QCoreApplication::translate("Settings", "holds a NUL byte; it is not used");
    else if (value.startsWith('"') && (value.size() < 2 || !value.endsWith('"')))
      why = QCoreApplication::translate("Settings", "a quote is left open; it is not used");
    if (why.isEmpty())
      continue;
    if (!key.isEmpty())
      scan.refusedKeys.insert(QString::fromUtf8(key.split('\0').first()));
    scan.problems
        << QStringLiteral("%1: line %2: \"%3\": %4").arg(path).arg(n + 1).arg(printable(line), why);
  }
  return scan;
}

FileScan scanFile(const QString &path) {
  FileScan scan;
  const QFileInfo info(path);
  if (path.isEmpty() || (!info.exists() && !info.isSymLink()))
    return scan;
  scan.exists = true;
  const auto notUsed = [&](const QString &why) {
    scan.problems << QCoreApplication::translate("Settings", "%1: %2; its settings are not used")
                         .arg(path, why);
    return scan;
  };
  if (!info.exists())
    return notUsed(
        QCoreApplication::translate("Settings", "a link to nothing (or a loop of links)"));
  // Opened without blocking and checked on the descriptor: a pipe or a
  // device put in the file's place is never read.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return notUsed(QCoreApplication::translate("Settings", "cannot be read"));
  struct stat status {};
  QByteArray content;
  const bool regular = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
  if (regular && status.st_size <= kMostFileBytes) {
    QFile file;
    if (file.open(fd, QIODevice::ReadOnly, QFileDevice::DontCloseHandle))
      content = file.read(kMostFileBytes + 1);
  }
  ::close(fd);
  if (!regular)
    return notUsed(QCoreApplication::translate("Settings", "not a plain file"));
  if (status.st_size > kMostFileBytes || content.size() > kMostFileBytes)
    return notUsed(QCoreApplication::translate("Settings", "larger than a settings file (1 MiB)"));
  scan.usable = true;
  return scanLines(path, content, scan);
}

QString problemText(const QString &where, const QString &key, const QString &value,
                    const QString &why) {
  const Key *known = find(key);
  QString text = QStringLiteral("%1: %2 = \"%3\": %4").arg(where, key, value, why);
  if (known)
    text += QCoreApplication::translate("Settings", "; the %1 is used")
                .arg(known->defaultText.isEmpty()
                         ? QCoreApplication::translate("Settings", "default")
                         : QCoreApplication::translate("Settings", "default (%1)")
                               .arg(known->defaultText));
  return text;
}

struct FileRead {
  bool readable = true;
  QString value;
  bool found = false;
};

FileRead readFile(const QString &path, const QString &key) {
  FileRead read;
  const FileScan scan = scanFile(path);
  if (!scan.exists)
    return read;
  if (!scan.usable) {
    read.readable = false;
    return read;
  }
  if (scan.refusedKeys.contains(key)) {
    // Said by problems(); the file below is not consulted either.
    read.found = true;
    read.readable = false;
    return read;
  }
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
       QStringLiteral("how long each signing key seals (seconds, 60 to 31622400) before it is "
                      "erased"),
       60, 31622400},
      {QStringLiteral("journal_min_free_mb"), Kind::WholeNumber, QStringLiteral("100"),
       QStringLiteral("free space (MB, 0 to 1048576) below which the monitor warns before a "
                      "record"),
       0, 1048576},
      {QStringLiteral("backup_folder"), Kind::Path, QStringLiteral("none: no backups"),
       QStringLiteral("the folder (a second disk, a mounted share) the daily backup goes to")},
      {QStringLiteral("backup_warn_days"), Kind::WholeNumber, QStringLiteral("2"),
       QStringLiteral("days (1 to 365) after the last good backup at which the monitor warns, "
                      "with a backup folder set"),
       1, 365},
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
      {QStringLiteral("desk_data"), Kind::Path, QStringLiteral("desk.sqlite beside the journal"),
       QStringLiteral("the weighing desk's vehicles, customers and products")},
      {QStringLiteral("desk_supervisors"), Kind::Text, QStringLiteral("none: no one voids"),
       QStringLiteral("who may void and correct a transaction, comma-separated operator names")},
      {QStringLiteral("desk_require_registration"), Kind::WholeNumber, QStringLiteral("0"),
       QStringLiteral("1: a vehicle must be registered before it is weighed; 0: a temporary "
                      "vehicle may be"),
       0, 1},
      {QStringLiteral("desk_tare_days"), Kind::WholeNumber, QStringLiteral("90"),
       QStringLiteral("days (1 to 3650) a vehicle's stored tare stays valid"), 1, 3650},
      {QStringLiteral("desk_first_weighing_hours"), Kind::WholeNumber, QStringLiteral("12"),
       QStringLiteral("hours (1 to 720) after which a vehicle's first weighing warns at its "
                      "second"),
       1, 720},
      {QStringLiteral("desk_shifts"), Kind::Text, QStringLiteral("06:00,14:00,22:00"),
       QStringLiteral("the times the site's shifts begin, for reports per shift")},
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

namespace {
// A value of the wrong kind is not passed on to a file below it: the
// default is used, as problems() says.
Entry lookup(const QString &key) {
  const Key *known = find(key);
  Entry entry;
  entry.key = key;
  const QByteArray variable = variableOf(key).toUtf8();
  if (qEnvironmentVariableIsSet(variable.constData())) {
    const QString text = qEnvironmentVariable(variable.constData());
    if (refusalOf(known, text).isEmpty()) {
      entry.value = known && known->kind == Kind::Path ? expandedPath(text) : text;
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
    if (read.readable && refusalOf(known, read.value).isEmpty()) {
      entry.value = known && known->kind == Kind::Path ? expandedPath(read.value) : read.value;
      entry.origin = origin;
      entry.where = path;
    }
    return entry;
  }
  return entry;
}

QStringList problems() {
  QStringList found;
  for (const QString &path : {userFile(), systemFile()}) {
    const FileScan scan = scanFile(path);
    found << scan.problems;
    if (!scan.usable)
      continue;
    const QSettings file(path, QSettings::IniFormat);
    if (!QFileInfo(path).isReadable() || file.status() == QSettings::AccessError) {
      found << QCoreApplication::translate("Settings",
                                           "%1: cannot be read; its settings are not used")
                   .arg(path);
      continue;
    }
    if (file.status() == QSettings::FormatError) {
      found << QCoreApplication::translate(
                   "Settings",
                   "%1: not a settings file (lines of key = value); its settings are "
                   "not used")
                   .arg(path);
      continue;
    }
    for (const QString &key : file.allKeys()) {
      if (scan.refusedKeys.contains(key))
        continue;
      const QString text = textOf(file.value(key));
      const Key *known = find(key);
      if (!known)
        found << QCoreApplication::translate("Settings",
                                             "%1: %2 = \"%3\": no such setting; it is not used")
                     .arg(path, printable(key.toUtf8()), printable(text.toUtf8()));
      else if (const QString why = refusalOf(known, text); !why.isEmpty())
        found << problemText(path, key, printable(text.toUtf8()), why);
    }
  }
  for (const Key &key : keys()) {
    const QByteArray variable = variableOf(key.name).toUtf8();
    if (!qEnvironmentVariableIsSet(variable.constData()))
      continue;
    const QString text = qEnvironmentVariable(variable.constData());
    if (const QString why = refusalOf(&key, text); !why.isEmpty())
      found << problemText(QString::fromUtf8(variable), key.name, printable(text.toUtf8()), why);
  }
  // A variable of this program's prefix that names no setting is a
  // misspelling, told as a file's unknown key is.
  const QStringList environment = QProcessEnvironment::systemEnvironment().keys();
  for (const QString &name : environment) {
    const Key *key = find(name.mid(13).toLower());
    if (!name.startsWith(QLatin1String("WEIGHSTATION_")) || (key && variableOf(key->name) == name))
      continue;
    found << QCoreApplication::translate("Settings", "%1 = \"%2\": no such setting; it is not used")
                 .arg(printable(name.toUtf8()),
                      printable(qEnvironmentVariable(name.toUtf8().constData()).toUtf8()));
  }
  return found;
}

}  // namespace

Snapshot Snapshot::read() {
  Snapshot snapshot;
  for (const Key &key : keys())
    snapshot.entries_.insert(key.name, settings::lookup(key.name));
  snapshot.problems_ = settings::problems();
  return snapshot;
}

const Entry &Snapshot::lookup(const QString &key) const {
  const auto found = entries_.constFind(key);
  if (found == entries_.constEnd())
    qFatal("no setting is named \"%s\"", qPrintable(key));
  return *found;
}

qint64 Snapshot::wholeNumber(const QString &key, qint64 fallback) const {
  bool ok = false;
  const qint64 number = lookup(key).value.trimmed().toLongLong(&ok);
  return ok ? number : fallback;
}

}  // namespace settings
