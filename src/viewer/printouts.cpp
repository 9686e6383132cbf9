#include "viewer/printouts.h"

#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextDocument>

#include "viewer/recordtext.h"

namespace printouts {

const char *const kDisclaimer =
    "These are the weigh station monitor's own records, not an instrument's verified printout.";

namespace {
QString escaped(const QString &text) {
  return text.toHtmlEscaped();
}

QString page(const QString &title, const QString &body) {
  return QStringLiteral("<html><body><h2>%1</h2>%2<p><i>%3</i></p></body></html>")
      .arg(escaped(title), body, escaped(QString::fromLatin1(kDisclaimer)));
}
}  // namespace

QString ticketHtml(const JournalRecord &record) {
  const QString body =
      QStringLiteral(
          "<p>Station: <b>%1</b><br>Seq: <b>%2</b><br>Taken: %3 (%4, %5)</p><pre>%6</pre>"
          "<p>Verification code: <b>%7</b></p>")
          .arg(escaped(record.station))
          .arg(record.seq)
          .arg(escaped(journaldates::localTime(record.takenAt)
                           .toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))),
               escaped(record.timeText), escaped(record.dateText),
               escaped(recordtext::blockLines(record.block).join(u'\n')),
               recordtext::verificationCode(record.mac));
  return page(QStringLiteral("Weigh station record"), body);
}

QString reportHtml(const JournalReader &reader, const JournalFilter &filter, qint64 limit,
                   Failure *failure) {
  const JournalTotals totals = reader.totals(filter, failure);
  if (failure->failed())
    return QString();
  if (totals.count > limit) {
    *failure =
        Failure(Failure::Kind::Refused,
                QStringLiteral("%1 records are more than a report of %2 lines: narrow the filter")
                    .arg(totals.count)
                    .arg(limit));
    return QString();
  }
  QString lines;
  const bool read = reader.forEach(
      filter,
      [&lines](const JournalRecord &record) {
        lines += QStringLiteral("%1  %2, %3  %4  %5\n")
                     .arg(record.seq, 8)
                     .arg(escaped(record.timeText), escaped(record.dateText),
                          escaped(record.station), escaped(record.totalLine));
        return true;
      },
      failure);
  if (!read)
    return QString();
  const QString body =
      QStringLiteral("<pre>%1</pre><p><b>%2</b></p>").arg(lines, escaped(totals.text()));
  return page(QStringLiteral("Weigh station records"), body);
}

void print(const QString &html, QPagedPaintDevice *device) {
  QTextDocument document;
  document.setHtml(html);
  document.print(device);
}

bool savePdf(const QString &html, const QString &path, Failure *failure) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    *failure = Failure(Failure::Kind::Io,
                       QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return false;
  }
  {
    QPdfWriter writer(&file);
    writer.setTitle(QFileInfo(path).completeBaseName());
    writer.setCreator(QStringLiteral("weighstation-records"));
    print(html, &writer);
  }
  if (!file.commit()) {
    *failure = Failure(Failure::Kind::Io,
                       QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    return false;
  }
  return true;
}

}  // namespace printouts
