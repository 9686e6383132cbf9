// The refresh tick through the window: channel fields set as a reader would
// set them give the expected display after one tick; the scale keys.
#include <QLCDNumber>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "channelreset.h"
#include "modalanswerer.h"
#include "scalelink/scalechannel.h"

using Digits7 = std::array<int, 7>;
Q_DECLARE_METATYPE(Digits7)

namespace {

QString shownDigits(const std::array<QLCDNumber *, 7> &displays) {
  QString text;
  for (QLCDNumber *d : displays)
    text += QString::number(d->intValue());
  return text;
}

QString shownTotal(MainWindowForm *form) {
  QString text;
  for (int k = 0; k < 8; ++k) {
    text += QString::number(form->grandTotalDigits[k]->intValue());
    if (k >= 4 && k <= 6 && form->grandTotalPoints[k - 4]->text() == QLatin1String("."))
      text += '.';
  }
  return text;
}
}  // namespace

class WindowReadoutTest : public QObject {
  Q_OBJECT
 private:
  MainWindow *window = nullptr;
  MainWindowForm *form = nullptr;

 private Q_SLOTS:
  void init() {
    resetAllChannels();
    window = new MainWindow;
    window->refreshTimerObject()->stop();  // ticks are driven by hand here
    form = window->formRecord();
  }
  void cleanup() {
    delete window;
    window = nullptr;
  }

  void atRest() {
    window->processLCD();
    for (int n = 0; n < 3; ++n) {
      const ScalePanelForm &scale = form->scales[n];
      QCOMPARE(scale.status->text(), QString("<font color=\"red\">Not Connected</font>"));
      QCOMPARE(shownDigits(scale.digits), QString("0000000"));
      QCOMPARE(scale.points[0]->text(), QString("."));
      QCOMPARE(scale.points[1]->text(), QString());
      QCOMPARE(scale.sign->text(), QString("+"));
      QCOMPARE(scale.unit->text(), QString("lbs"));
      QCOMPARE(scale.overload->text(), QString());
      QCOMPARE(scaleChannels[n].weight, 0.0001);
    }
    QCOMPARE(shownTotal(form), QString("00000.000"));
    QCOMPARE(form->sign_grandtotal->text(), QString("+"));
    QCOMPARE(form->unit_grandtotal->text(), QString("??"));
    QCOMPARE(form->netgross_grand->text(), QString("GROSS"));
    QCOMPARE(form->overload_grand->text(), QString());
    QVERIFY(qAbs(window->station().state().total_weight - 0.0003) < 1e-12);
    QVERIFY(form->curtime->text().contains(QRegularExpression("^\\d{1,2}:\\d\\d:\\d\\d [ap]m$")));
    QVERIFY(form->curdate->text().contains(QRegularExpression("^\\d\\d/\\d\\d/\\d{4}$")));
  }

  void oneScale_data() {
    QTest::addColumn<int>("scale");
    QTest::addColumn<Digits7>("digits");
    QTest::addColumn<int>("pointCode");
    QTest::addColumn<int>("sign");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("connected");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("litPoint");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("totalSign");
    QTest::addColumn<QString>("totalUnit");
    QTest::newRow("frame on scale 1")
        << 0 << Digits7{0, 0, 0, 1, 2, 3, 4} << 0 << 0 << 1 << 1 << "0001234" << -1 << "00001234"
        << "+"
        << "lbs";
    QTest::newRow("three places on scale 2")
        << 1 << Digits7{0, 0, 1, 2, 3, 4, 5} << 1 << 0 << 1 << 1 << "0012345" << 0 << "00012.345"
        << "+"
        << "lbs";
    QTest::newRow("two places on scale 3")
        << 2 << Digits7{0, 1, 2, 3, 4, 5, 6} << 2 << 0 << 0 << 1 << "0123456" << 1 << "001234.56"
        << "+"
        << "kg";
    QTest::newRow("one place") << 0 << Digits7{0, 1, 2, 3, 4, 5, 6} << 3 << 0 << 1 << 1 << "0123456"
                               << 2 << "0012345.6"
                               << "+"
                               << "lbs";
    QTest::newRow("minus on scale 2")
        << 1 << Digits7{0, 0, 0, 0, 0, 0, 5} << 0 << 1 << 1 << 1 << "0000005" << -1 << "00000005"
        << "-"
        << "lbs";
    QTest::newRow("minus on scale 3")
        << 2 << Digits7{0, 0, 0, 0, 0, 0, 5} << 0 << 1 << 1 << 2 << "0000005" << -1 << "00000005"
        << "-"
        << "lbs";
  }
  void oneScale() {
    QFETCH(int, scale);
    QFETCH(Digits7, digits);
    QFETCH(int, pointCode);
    QFETCH(int, sign);
    QFETCH(int, unit);
    QFETCH(int, connected);
    QFETCH(QString, shown);
    QFETCH(int, litPoint);
    QFETCH(QString, total);
    QFETCH(QString, totalSign);
    QFETCH(QString, totalUnit);
    setChannelReading(scale, digits, pointCode, sign, unit, connected);
    window->processLCD();
    const ScalePanelForm &widgets = form->scales[scale];
    QCOMPARE(widgets.status->text(), connected == 1
                                         ? QString("<font color=\"green\">Connected</font>")
                                         : QString("<font color=\"red\">Not Connected</font>"));
    QCOMPARE(shownDigits(widgets.digits), shown);
    for (int p = 0; p < 3; ++p)
      QCOMPARE(widgets.points[p]->text(), p == litPoint ? QString(".") : QString());
    QCOMPARE(widgets.sign->text(), sign ? QString("-") : QString("+"));
    QCOMPARE(widgets.unit->text(), unit == 0 ? QString("kg") : QString("lbs"));
    QCOMPARE(shownTotal(form), total);
    QCOMPARE(form->sign_grandtotal->text(), totalSign);
    QCOMPARE(form->unit_grandtotal->text(), totalUnit);
    QVERIFY(window->station().state().total_weight >= 0);
  }

  void minusReadingIsTheSameOnEveryScale() {
    for (int n = 0; n < 3; ++n)
      setChannelReading(n, {0, 0, 0, 0, 0, 0, 5}, 0, 1, 1, 1);
    window->processLCD();
    for (int n = 0; n < 3; ++n)
      QCOMPARE(scaleChannels[n].weight, -5.0005);
  }

  void overloadOnAnyScale_data() {
    QTest::addColumn<int>("scale");
    QTest::newRow("scale 1") << 0;
    QTest::newRow("scale 2") << 1;
    QTest::newRow("scale 3") << 2;
  }
  void overloadOnAnyScale() {
    QFETCH(int, scale);
    for (int n = 0; n < 3; ++n)
      setChannelReading(n, {0, 0, 0, 4, 4, 4, 4}, 0, 0, 1, 1);
    scaleChannels[scale].overload = 1;
    window->processLCD();
    QCOMPARE(form->scales[scale].overload->text(), QString("<font color=\"red\">Overload</font>"));
    QCOMPARE(shownDigits(form->scales[scale].digits), QString("0000000"));
    for (int k = 0; k < 7; ++k)
      QCOMPARE(int(scaleChannels[scale].digits[k]), 0);
    QCOMPARE(scaleChannels[scale].weight, 0.0001);
    QCOMPARE(form->overload_grand->text(), QString("<font color=\"red\">Overload</font>"));
    QCOMPARE(window->station().state().total_weight, 0.0);
    QCOMPARE(shownTotal(form), QString("00000000"));
    QCOMPARE(form->scales[(scale + 1) % 3].overload->text(), QString());
  }

  void netGrossLegendOfTheTotal() {
    form->netgross_3->setText(QStringLiteral("NET"));
    window->processLCD();
    QCOMPARE(form->netgross_grand->text(), QString("NET"));
    form->netgross_3->setText(QStringLiteral("Net"));
    window->processLCD();
    QCOMPARE(form->netgross_grand->text(), QString("GROSS"));
  }

  void zeroDialog_data() {
    QTest::addColumn<int>("answer");  // 0 Yes, 1 No, 2 Escape, 3 close
    QTest::addColumn<int>("request");
    QTest::newRow("yes") << 0 << 1;
    QTest::newRow("no") << 1 << 0;
    QTest::newRow("escape") << 2 << 0;
    QTest::newRow("closed") << 3 << 0;
  }
  void zeroDialog() {
    QFETCH(int, answer);
    QFETCH(int, request);
    for (int n = 0; n < 3; ++n) {
      ModalAnswerer answerer;
      if (answer == 0)
        answerer.pressButton("Yes");
      if (answer == 1)
        answerer.pressButton("No");
      if (answer == 2)
        answerer.pressEscape();
      if (answer == 3)
        answerer.closeBox();
      Q_EMIT form->scales[n].zero->released();
      QCOMPARE(answerer.seen.size(), 1);
      QCOMPARE(answerer.seen[0].title, QString("WARNING!!!"));
      QCOMPARE(answerer.seen[0].text,
               QString("You are permanently ZERO-ing the Scale.  Process CANNOT be reversed.  "
                       "Would you like to Continue?"));
      QCOMPARE(answerer.seen[0].buttons, (QStringList{"Yes", "No"}));
      QCOMPARE(answerer.seen[0].defaultButton, QString("Yes"));
      QCOMPARE(answerer.seen[0].escapeButton, QString("No"));
      QCOMPARE(int(scaleChannels[n].zero_request), request);
    }
  }

  void pendingZeroShowsNoDialog() {
    scaleChannels[1].zero_request = 1;
    ModalAnswerer answerer;
    window->process_zero2();
    QVERIFY(answerer.seen.isEmpty());
    QCOMPARE(int(scaleChannels[1].zero_request), 1);
  }

  void tareAndGrossKeys() {
    setChannelReading(0, {0, 0, 0, 1, 0, 0, 5}, 2, 0, 1, 1);
    window->processLCD();
    const double weight = scaleChannels[0].weight;
    Q_EMIT form->tare_1->released();
    QCOMPARE(form->netgross_1->text(), QString("NET"));
    QCOMPARE(scaleChannels[0].tare_weight, weight);
    QCOMPARE(scaleChannels[0].net_mode, 1);
    QCOMPARE(int(scaleChannels[0].tare_request), 1);
    window->processLCD();
    QCOMPARE(form->netgross_grand->text(), QString("NET"));

    // A second tare, even once the reader has cleared the flag, changes nothing.
    scaleChannels[0].tare_request = 0;
    setChannelReading(0, {0, 0, 0, 9, 0, 0, 0}, 2, 0, 1, 1);
    window->processLCD();
    Q_EMIT form->tare_1->released();
    QCOMPARE(scaleChannels[0].tare_weight, weight);
    QCOMPARE(int(scaleChannels[0].tare_request), 0);

    Q_EMIT form->gross_1->released();
    QCOMPARE(form->netgross_1->text(), QString("GROSS"));
    QCOMPARE(scaleChannels[0].tare_weight, 0.0);
    QCOMPARE(scaleChannels[0].net_mode, 0);
    QCOMPARE(int(scaleChannels[0].gross_request), 1);
    // Gross again while its request is pending: nothing.
    form->netgross_1->setText(QStringLiteral("NET"));
    Q_EMIT form->gross_1->released();
    QCOMPARE(form->netgross_1->text(), QString("NET"));
  }

  void tareWhileNotConnectedActsOnce() {
    window->processLCD();
    window->process_tare3();
    QCOMPARE(scaleChannels[2].tare_weight, 0.0001);
    QCOMPARE(form->netgross_3->text(), QString("NET"));
    window->process_gross3();  // works once on its own flag
    QCOMPARE(form->netgross_3->text(), QString("GROSS"));
    window->process_tare3();  // its flag is still pending
    QCOMPARE(form->netgross_3->text(), QString("GROSS"));
  }
};

QTEST_MAIN(WindowReadoutTest)
#include "tst_windowreadout.moc"
