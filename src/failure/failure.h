// How an operation on the journal, the central database or an output
// failed, one way for every layer and program: what kind of failure, the
// reason for a person, and the record it concerns. The monitor turns it
// into a warning after the tick, the viewer into its status line or a box,
// the records command into one stderr line and its exit status.
#pragma once

#include <QMetaType>
#include <QString>

class QSqlError;

class Failure {
 public:
  enum class Kind {
    None,
    CannotOpen,   // the file, folder or server cannot be opened at all
    Corrupt,      // what was read is not what was sealed, or not a journal
    Refused,      // refused on purpose: bad input, a rule, a conflict
    Unreachable,  // passing: out of reach, out of resources, a timeout or a lock: try later
    Io,           // a read, write or sync failed
    Cancelled,    // the person asked to stop
  };

  Failure() = default;
  // The reason is kept as one line (a server's message of several lines
  // joined with "; "): every program says a failure in one line.
  Failure(Kind kind, const QString &reason, qint64 seq = 0)
      : kind_(kind), reason_(oneLine(reason)), seq_(seq) {}
  // A failed statement: `what` was being done, the database said why. The
  // kind follows the database's own code (SQLite's result code, or the
  // class of PostgreSQL's SQLSTATE); `otherwise` when it names none.
  static Failure ofSql(const QString &what, const QSqlError &error, Kind otherwise = Kind::Io,
                       qint64 seq = 0);

  bool failed() const { return kind_ != Kind::None; }
  explicit operator bool() const { return failed(); }
  Kind kind() const { return kind_; }
  const QString &reason() const { return reason_; }
  qint64 seq() const { return seq_; }

  // The reason for a person, naming the seq once: "seq 4: its mac ..."
  // unless the reason names it already.
  QString text() const;
  // The same failure, its reason preceded by `context` ("<context>: <reason>").
  Failure within(const QString &context) const;

 private:
  static QString oneLine(const QString &text);

  Kind kind_ = Kind::None;
  QString reason_;
  qint64 seq_ = 0;
};
Q_DECLARE_METATYPE(Failure)

namespace failures {
// The kind of a PostgreSQL failure by its SQLSTATE: passing ones
// (Unreachable: try again later) are the classes 08 connection, 53
// resources, 57 operator intervention and statement timeouts, 58 system
// errors, and 40001 serialization, 40P01 deadlock, 40003 completion
// unknown, 55P03 lock not available; 28 authorization, 23 integrity, 42
// syntax or access, 22 data are refusals. `fallback` when the state is
// empty or of no class here.
Failure::Kind ofSqlState(const QString &sqlState, Failure::Kind fallback);
}  // namespace failures
