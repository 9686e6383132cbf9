// Every setting of the programs, in one place: a key of the settings file
// (INI, no sections) in the XDG convention, or the environment variable of
// the same name in upper case with the prefix WEIGHSTATION_. A variable that
// is set wins over the user's file ($XDG_CONFIG_HOME/weighstation/
// weighstation.conf), which wins over the system's (the first
// weighstation/weighstation.conf in $XDG_CONFIG_DIRS, /etc/xdg by default),
// which wins over the program's default.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace settings {

enum class Origin { Default, SystemFile, UserFile, Environment };

enum class Kind {
  Text,
  Path,
  WholeNumber,  // zero or more
};

struct Key {
  QString name;  // as in the file: "journal_key"
  Kind kind;
  QString defaultText;  // what is used when it is not set, for a person
  QString what;         // one line for a person
  // A whole number's bounds, both taken: a value outside them is refused.
  qint64 least = 0;
  qint64 most = 0;
};

struct Entry {
  QString key;
  QString value;
  Origin origin = Origin::Default;
  QString where;  // the file or the variable it came from; empty for a default
};

// Every key the programs read, in the order the documentation lists them.
const QList<Key> &keys();
// WEIGHSTATION_JOURNAL_KEY for "journal_key".
QString variableOf(const QString &key);
QString userFile();
QString systemFile();
QString originText(Origin origin);

// Every setting in force, read once: the environment and both files, each
// value checked against its key's kind. A program reads one at its start
// and hands the layers below it plain values; none of them reads settings.
class Snapshot {
 public:
  static Snapshot read();

  // The value in force. A file that cannot be read, or a value of the
  // wrong kind, counts as not set (problems() says why). A name that is no
  // key stops the program: a misspelling in the code, never a default.
  const Entry &lookup(const QString &key) const;
  QString value(const QString &key) const { return lookup(key).value; }
  // A whole-number setting: `fallback` when it is not set.
  qint64 wholeNumber(const QString &key, qint64 fallback) const;

  // One line a problem, naming the file or variable, the key and the
  // value: an unreadable file or one that is not a plain file (a link to
  // nothing, a pipe), a line that is not a setting (with its number), a
  // value of the wrong kind or out of its bounds, a key that no program
  // reads. A value on a line that cannot be read as written (a NUL byte, a
  // quote left open) is not used. Bytes that are not printable text are
  // shown escaped. Empty when all is well.
  const QStringList &problems() const { return problems_; }

 private:
  QHash<QString, Entry> entries_;
  QStringList problems_;
};

}  // namespace settings
