// Every caption of the window fits its widget with the faces of a fresh
// Debian machine, including the texts that the refresh writes.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>

#include "app/fonts.h"
#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "language/language.h"
#include "readout/readoutmath.h"

namespace {
int widestLine(const QFontMetrics &metrics, const QString &text) {
  int widest = 0;
  for (const QString &line : text.split(u'\n'))
    widest = qMax(widest, metrics.horizontalAdvance(line));
  return widest;
}

// The width a caption needs and the width its widget gives it.
struct Fit {
  int needed = 0;
  int given = 0;
};

// A plain caption fits when its ink does: a last glyph's empty side bearing
// may pass the edge unseen.
int widestInk(const QFontMetrics &metrics, const QString &text) {
  int widest = 0;
  for (const QString &line : text.split(u'\n'))
    widest = qMax(widest, metrics.tightBoundingRect(line).right() + 1);
  return widest;
}

Fit fitOf(QWidget *widget) {
  if (auto *label = qobject_cast<QLabel *>(widget)) {
    if (Qt::mightBeRichText(label->text()))
      return {label->sizeHint().width(), label->width()};
    // A framed label without its own indent is indented by half an "x".
    const int indent = label->indent() >= 0      ? label->indent()
                       : label->frameWidth() > 0 ? label->fontMetrics().horizontalAdvance(u'x') / 2
                                                 : 0;
    return {indent + 2 * label->margin() + widestInk(label->fontMetrics(), label->text()),
            label->contentsRect().width()};
  }
  if (auto *box = qobject_cast<QCheckBox *>(widget)) {
    QStyleOptionButton option;
    option.initFrom(box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    return {contents.left() + widestLine(box->fontMetrics(), box->text()), box->width()};
  }
  if (auto *button = qobject_cast<QPushButton *>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    return {widestLine(button->fontMetrics(), button->text()), contents.width()};
  }
  if (auto *group = qobject_cast<QGroupBox *>(widget)) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, group);
    return {label.right() + 1, group->width()};
  }
  return {};
}
}  // namespace

class CaptionsTest : public QObject {
  Q_OBJECT
 private:
  QStringList tooNarrow;

  void check(QWidget *widget, const QString &text = QString()) {
    const Fit fit = fitOf(widget);
    if (fit.needed > fit.given) {
      const QString shown = !text.isEmpty() ? text
                            : widget->property("text").isValid()
                                ? widget->property("text").toString()
                                : widget->property("title").toString();
      tooNarrow << QStringLiteral("%1 \"%2\": needs %3 px, has %4")
                       .arg(widget->objectName(), shown, QString::number(fit.needed),
                            QString::number(fit.given));
    }
  }

 private Q_SLOTS:
  void initTestCase() { fonts::useMetricCompatibleFaces(); }

  void everyCaptionFitsItsWidget_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("language");  // of the translation used
    QTest::newRow("English") << "en_US"
                             << "en";
    QTest::newRow("German") << "de_DE"
                            << "de";
    QTest::newRow("French") << "fr_FR"
                            << "fr";
    QTest::newRow("Spanish") << "es_ES"
                             << "es";
    QTest::newRow("Brazilian Portuguese") << "pt_BR"
                                          << "pt_BR";
  }
  void everyCaptionFitsItsWidget() {
    QFETCH(QString, locale);
    QFETCH(QString, language);
    tooNarrow.clear();
    const QString used = language::use(QLocale(locale));
    QCOMPARE(used, language);
    MainWindow window;
    window.refreshTimerObject()->stop();
    window.show();
    MainWindowForm *form = window.formRecord();
    for (QWidget *widget : window.findChildren<QWidget *>()) {
      if (widget->isVisible())
        check(widget);
    }
    // The texts that the refresh writes, on the widgets that get them.
    auto checkTexts = [this](QLabel *label, const QStringList &texts) {
      for (const QString &text : texts) {
        label->setText(text);
        check(label, text);
      }
    };
    const QStringList statuses{readout::statusText(1), readout::statusText(0)};
    const QString overload = readout::overloadText(true);
    // The readouts' captions are read back into the records: never translated.
    QCOMPARE(form->netgross_grand->text(), QString("GROSS"));
    QCOMPARE(form->sign_grandtotal->text(), QString("+"));
    QCOMPARE(form->scales[0].unit->text(), QString("KG"));
    if (used != QLatin1String("en"))
      QVERIFY(form->scales[0].connect->text() != QLatin1String("Connect"));
    for (const ScalePanelForm &scale : form->scales) {
      checkTexts(scale.status, statuses);
      checkTexts(scale.overload, {overload});
      checkTexts(scale.netGross, {"NET", "GROSS"});
      checkTexts(scale.unit, {"kg", "lbs"});
    }
    checkTexts(form->overload_grand, {overload});
    checkTexts(form->netgross_grand, {"NET", "GROSS"});
    checkTexts(form->unit_grandtotal, {"kg", "lbs", "??"});
    checkTexts(form->curtime, {"12:59:59 pm"});
    checkTexts(form->curdate, {"12/31/2026"});
    language::use(QLocale(QStringLiteral("en_US")));
    QVERIFY2(tooNarrow.isEmpty(), qPrintable("\n" + tooNarrow.join(u'\n')));
  }
};

QTEST_MAIN(CaptionsTest)
#include "tst_captions.moc"
