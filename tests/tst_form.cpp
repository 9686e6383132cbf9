// The main window's form: every widget's name, class, parent, caption,
// place and font, and what the window does with them at start.
#include <QCheckBox>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "channelreset.h"

class FormTest : public QObject {
  Q_OBJECT
 private:
  MainWindow *window = nullptr;

  template <typename T = QWidget>
  T *widget(const QString &name) {
    return window->findChild<T *>(name);
  }

 private Q_SLOTS:
  void init() {
    resetAllChannels();
    window = new MainWindow;
  }
  void cleanup() {
    delete window;
    window = nullptr;
  }

  void widgets_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<bool>("bold");

    auto row = [](const char *name, const char *cls, const char *parent, QRect rect,
                  const QString &caption, int size, bool bold) {
      QTest::newRow(name) << QString(name) << QString(cls) << QString(parent) << rect << caption
                          << size << bold;
    };
    // caption "*" means: not checked here (texts the window rewrites at start).
    row("label_13", "QLabel", "centralWidget", {40, 30, 141, 61}, "TOTAL =", 23, true);
    row("sign_grandtotal", "QLabel", "centralWidget", {190, 40, 41, 41}, "+", 34, true);
    row("lcd1_grandtotal", "QLCDNumber", "centralWidget", {240, 20, 71, 91}, "*", 0, false);
    row("lcd4_grandtotal", "QLCDNumber", "centralWidget", {480, 20, 71, 91}, "*", 0, false);
    row("lcd8_grandtotal", "QLCDNumber", "centralWidget", {800, 20, 71, 91}, "*", 0, false);
    row("label_dot_grand_a", "QLabel", "centralWidget", {630, 70, 16, 51}, "", 26, true);
    row("label_dot_grand_c", "QLabel", "centralWidget", {790, 70, 16, 51}, "", 26, true);
    row("netgross_grand", "QLabel", "centralWidget", {880, 20, 91, 31}, "GROSS", 16, true);
    row("unit_grandtotal", "QLabel", "centralWidget", {880, 60, 61, 51}, "KG", 23, false);
    row("overload_grand", "QLabel", "centralWidget", {880, 110, 101, 21}, "Overload", 16, true);
    row("groupBox_mainserial", "QGroupBox", "centralWidget", {270, 140, 481, 181}, "SCALE 1", 10,
        true);
    row("groupBox_mainserial_2", "QGroupBox", "centralWidget", {20, 330, 481, 181}, "SCALE 2", 10,
        true);
    row("groupBox_mainserial_3", "QGroupBox", "centralWidget", {520, 330, 481, 181}, "SCALE 3", 10,
        true);
    row("sign_3", "QLabel", "groupBox_mainserial_3", {10, 40, 41, 31}, "+", 28, true);
    row("lcd1", "QLCDNumber", "groupBox_mainserial", {50, 30, 41, 61}, "*", 10, true);
    row("lcd7_2", "QLCDNumber", "groupBox_mainserial_2", {350, 30, 41, 61}, "*", 10, true);
    row("label_dot_b", "QLabel", "groupBox_mainserial", {290, 50, 16, 51}, "", 26, true);
    row("label_dot_3_c", "QLabel", "groupBox_mainserial_3", {340, 50, 16, 51}, "", 26, true);
    row("netgross_2", "QLabel", "groupBox_mainserial_2", {400, 30, 61, 21}, "GROSS", 13, true);
    row("unit_3", "QLabel", "groupBox_mainserial_3", {400, 60, 61, 31}, "KG", 17, false);
    row("overload_1", "QLabel", "groupBox_mainserial", {370, 100, 71, 21}, "Overload", 12, true);
    row("zero_2", "QPushButton", "groupBox_mainserial_2", {300, 130, 51, 41}, "Zero", 10, true);
    row("tare_1", "QPushButton", "groupBox_mainserial", {360, 130, 51, 41}, "Tare\nNet", 10, true);
    row("gross_3", "QPushButton", "groupBox_mainserial_3", {420, 130, 51, 41}, "Gross", 10, true);
    row("groupBox_serial_2", "QGroupBox", "groupBox_mainserial_2", {10, 100, 281, 71},
        "Serial 2 Settings", 8, false);
    row("label_3", "QLabel", "groupBox_serial", {10, 20, 71, 16}, "COM PORT:", 9, true);
    row("label_8", "QLabel", "groupBox_serial_3", {10, 20, 71, 21}, "COM PORT:", 9, true);
    row("serial_comport_2", "QLabel", "groupBox_serial_2", {90, 20, 61, 21}, "", 10, false);
    row("connect_serial_3", "QPushButton", "groupBox_serial_3", {40, 40, 81, 23}, "Connect", 8,
        false);
    row("label_6", "QLabel", "groupBox_serial_2", {130, 40, 61, 21}, "STATUS:", 10, true);
    row("SERIAL_STATUS", "QLabel", "groupBox_serial", {190, 40, 91, 21}, "Not Connected", 10,
        false);
    row("groupBox_datalog", "QGroupBox", "centralWidget", {20, 530, 741, 141}, "Data Log", 10,
        true);
    row("listdata", "QListWidget", "groupBox_datalog", {10, 20, 171, 81}, "*", 10, true);
    row("label", "QLabel", "groupBox_datalog", {190, 20, 46, 13}, "Count:", 9, true);
    row("total_count", "QLabel", "groupBox_datalog", {240, 20, 46, 13}, "0", 9, false);
    row("label_11", "QLabel", "groupBox_datalog", {190, 40, 71, 16}, "Over Limit", 9, true);
    row("overlimit", "QLineEdit", "groupBox_datalog", {190, 60, 71, 20}, "10000", 10, true);
    row("pushButton_overlimit", "QPushButton", "groupBox_datalog", {280, 60, 21, 21}, "", 10, true);
    row("label_10", "QLabel", "groupBox_datalog", {190, 90, 81, 16}, "Under Limit", 9, true);
    row("underlimit", "QLineEdit", "groupBox_datalog", {190, 110, 71, 20}, "0", 10, true);
    row("pushButton_underlimit", "QPushButton", "groupBox_datalog", {280, 110, 21, 21}, "", 10,
        true);
    row("label_2", "QLabel", "groupBox_datalog", {10, 110, 61, 21}, "Sensitivity", 8, true);
    row("sense_spinBox", "QSpinBox", "groupBox_datalog", {80, 110, 51, 22}, "*", 9, true);
    row("checkBox_datalog", "QCheckBox", "groupBox_datalog", {420, 20, 141, 17},
        "Start Text File Log", 10, true);
    row("select_logfile", "QPushButton", "groupBox_datalog", {330, 40, 81, 23}, "Select File", 10,
        true);
    row("logfilename", "QLabel", "groupBox_datalog", {420, 40, 201, 21}, "", 8, false);
    row("checkBox_excellog", "QCheckBox", "groupBox_datalog", {420, 80, 181, 17},
        "Start Excel File Log", 10, true);
    row("select_excelfile", "QPushButton", "groupBox_datalog", {330, 100, 81, 23}, "Select File",
        10, true);
    row("excelfilename", "QLabel", "groupBox_datalog", {420, 100, 201, 21}, "", 10, true);
    row("recordnow", "QPushButton", "groupBox_datalog", {640, 20, 75, 61}, " RECORD\nNOW", 11,
        true);
    row("groupBox", "QGroupBox", "centralWidget", {820, 530, 181, 121}, "Current Time && Date", 10,
        true);
    row("curtime", "QLabel", "groupBox", {20, 20, 141, 41}, "*", 15, true);
    row("curdate", "QLabel", "groupBox", {20, 70, 141, 41}, "*", 15, true);
    row("logo", "QLabel", "centralWidget", {1020, 10, 111, 71}, "", 0, false);
  }

  void widgets() {
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(QRect, geometry);
    QFETCH(QString, caption);
    QFETCH(int, pointSize);
    QFETCH(bool, bold);

    QWidget *w = widget(name);
    QVERIFY2(w, qPrintable(name));
    QCOMPARE(QString(w->metaObject()->className()), className);
    QCOMPARE(w->parentWidget()->objectName(), parentName);
    QCOMPARE(w->geometry(), geometry);
    if (caption != QLatin1String("*")) {
      QString text;
      if (auto *label = qobject_cast<QLabel *>(w))
        text = label->text();
      else if (auto *button = qobject_cast<QAbstractButton *>(w))
        text = button->text();
      else if (auto *box = qobject_cast<QGroupBox *>(w))
        text = box->title();
      else if (auto *edit = qobject_cast<QLineEdit *>(w))
        text = edit->text();
      QCOMPARE(text, caption);
    }
    if (pointSize > 0) {
      QCOMPARE(w->font().pointSize(), pointSize);
      QCOMPARE(w->font().bold(), bold);
    }
  }

  void fontsOfNote() {
    QCOMPARE(widget("netgross_1")->font().family(), QString("Arial"));
    QCOMPARE(widget("overload_3")->font().family(), QString("Arial"));
    QCOMPARE(widget("overload_3")->font().bold(), true);  // inherited from the bold panel
    QCOMPARE(widget("curtime")->font().family(), QString("Terminal"));
    QVERIFY(widget("serial_comport")->font().italic());
    QVERIFY(widget("SERIAL_STATUS_3")->font().italic());
    QVERIFY(!widget("checkBox_datalog")->font().italic());
    QVERIFY(!widget("lcd4_grandtotal")->font().bold());
  }

  void digitDisplays() {
    const QList<QLCDNumber *> all = window->findChildren<QLCDNumber *>();
    QCOMPARE(all.size(), 3 * 7 + 8);
    for (QLCDNumber *digit : all)
      QCOMPARE(digit->digitCount(), 1);
    QCOMPARE(widget<QLCDNumber>("lcd2_3")->frameShape(), QFrame::Box);
    QCOMPARE(widget<QLCDNumber>("lcd2_3")->frameShadow(), QFrame::Raised);
    QCOMPARE(widget<QLCDNumber>("lcd2_3")->lineWidth(), 2);
    QCOMPARE(widget<QLCDNumber>("lcd5_grandtotal")->frameShape(), QFrame::Panel);
    QCOMPARE(widget<QLCDNumber>("lcd5_grandtotal")->lineWidth(), 5);
    QCOMPARE(widget<QLCDNumber>("lcd4_grandtotal")->frameShadow(), QFrame::Raised);
  }

  void dataLogProperties() {
    auto *spin = widget<QSpinBox>("sense_spinBox");
    QCOMPARE(spin->minimum(), 1);
    QCOMPARE(spin->maximum(), 9999);
    QCOMPARE(spin->value(), 20);
    auto *list = widget<QListWidget>("listdata");
    QCOMPARE(list->currentRow(), -1);
    QCOMPARE(list->isWrapping(), false);
    QCOMPARE(list->wordWrap(), false);
    QCOMPARE(list->lineWidth(), 5);
    QCOMPARE(list->styleSheet(), QString("background-color: beige;"));
    QCOMPARE(widget("pushButton_overlimit")->styleSheet(), QString("background-color: green;"));
    QCOMPARE(widget("pushButton_underlimit")->styleSheet(), QString("background-color: green;"));
    QVERIFY(widget<QLineEdit>("overlimit")->validator() == nullptr);
  }

  void windowAndMenu() {
    QCOMPARE(window->objectName(), QString("MainWindow"));
    QCOMPARE(window->windowTitle(), QString("Korvel Weigh Station"));
    QCOMPARE(window->size(), QSize(1021, 714));
    QCOMPARE(window->locale(), QLocale(QLocale::English, QLocale::UnitedStates));
    auto *menu = widget<QMenu>("menuKORVEL");
    QVERIFY(menu);
    QCOMPARE(menu->title(), QString("File"));
    QCOMPARE(menu->parent(), window->findChild<QMenuBar *>("menuBar"));
    QCOMPARE(menu->actions().size(), 1);
    QCOMPARE(menu->actions().first()->objectName(), QString("exitAct"));
    QCOMPARE(menu->actions().first()->text(), QString("Exit"));
    QCOMPARE(menu->actions().first()->parent(), window);
  }

  void keysHiddenAndDisabled() {
    window->show();
    for (const char *name : {"tare_1", "tare_2", "tare_3", "gross_1", "gross_2", "gross_3"}) {
      QVERIFY2(!widget(name)->isVisible(), name);
      QVERIFY2(!widget(name)->isEnabled(), name);
    }
    QVERIFY(!widget("logo")->isVisible());
    QVERIFY(widget("zero_1")->isVisible());
    auto *logo = widget<QLabel>("logo");
    QVERIFY(logo->hasScaledContents());
    QCOMPARE(logo->pixmap().size(), QSize(111, 60));
  }

  void tabOrder() {
    window->show();
    const QStringList expected = {"sense_spinBox",
                                  "listdata",
                                  "select_logfile",
                                  "checkBox_datalog",
                                  "overlimit",
                                  "underlimit",
                                  "pushButton_overlimit",
                                  "pushButton_underlimit",
                                  "checkBox_excellog",
                                  "select_excelfile",
                                  "recordnow",
                                  "connect_serial",
                                  "zero_1",
                                  "connect_serial_2",
                                  "zero_2",
                                  "connect_serial_3",
                                  "zero_3"};
    QStringList order;
    QWidget *start = widget("sense_spinBox");
    QWidget *w = start;
    do {
      if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
          w->objectName() != QLatin1String("qt_spinbox_lineedit") &&
          w->objectName() != QLatin1String("qt_scrollarea_viewport")) {
        order << w->objectName();
      }
      w = w->nextInFocusChain();
    } while (w != start && order.size() < 40);
    order.removeAll(QString());
    QCOMPARE(order.mid(0, expected.size()), expected);
  }

  void pointLabelsClearedAtStart() {
    for (QLabel *label : window->findChildren<QLabel *>()) {
      if (label->objectName().startsWith(QLatin1String("label_dot")))
        QCOMPARE(label->text(), QString());
    }
  }
};

QTEST_MAIN(FormTest)
#include "tst_form.moc"
