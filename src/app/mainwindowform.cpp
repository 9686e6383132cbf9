#include "app/mainwindowform.h"

#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

static void initResources() {
  Q_INIT_RESOURCE(resources);
}

namespace {

QString tr(const char *text) {
  return QCoreApplication::translate("MainWindow", text);
}

// A font that sets only what is given; the rest comes from the parent.
struct FontSettings {
  int pointSize = 0;
  int bold = -1;    // -1 inherit, 0 normal weight, 1 bold
  int italic = -1;  // -1 inherit, 0 off, 1 on
  const char *family = nullptr;
  bool strikeOutOff = false;
};

void applyFont(QWidget *widget, const FontSettings &wanted) {
  if (!wanted.pointSize && wanted.bold < 0 && wanted.italic < 0 && !wanted.family &&
      !wanted.strikeOutOff) {
    return;
  }
  QFont font;
  if (wanted.family)
    font.setFamily(QString::fromLatin1(wanted.family));
  if (wanted.pointSize)
    font.setPointSize(wanted.pointSize);
  if (wanted.bold >= 0)
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
  if (wanted.italic >= 0)
    font.setItalic(wanted.italic == 1);
  if (wanted.strikeOutOff)
    font.setStrikeOut(false);
  widget->setFont(font);
}

template <typename W>
W *make(QWidget *parent, const char *name, QRect geometry, const FontSettings &font = {}) {
  auto *widget = new W(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(geometry);
  applyFont(widget, font);
  return widget;
}

QLabel *pointLabel(QWidget *parent, const char *name, int x, int y) {
  return make<QLabel>(parent, name, QRect(x, y, 16, 51), {26, 1});
}

// What tells the three scale panels apart.
struct ScalePanelNames {
  const char *panel;
  QPoint position;
  const char *title;
  const char *sign;
  const char *digits[7];
  const char *points[3];
  const char *netGross;
  const char *unit;
  const char *overload;
  const char *zero;
  const char *tare;
  const char *gross;
  const char *settings;
  const char *settingsTitle;
  const char *portLegend;
  int portLegendHeight;
  const char *portName;
  const char *connect;
  const char *statusLegend;
  const char *status;
};

const ScalePanelNames kScalePanels[3] = {
    {"groupBox_mainserial",
     {270, 140},
     QT_TRANSLATE_NOOP("MainWindow", "SCALE 1"),
     "sign",
     {"lcd1", "lcd2", "lcd3", "lcd4", "lcd5", "lcd6", "lcd7"},
     {"label_dot_a", "label_dot_b", "label_dot_c"},
     "netgross_1",
     "unit",
     "overload_1",
     "zero_1",
     "tare_1",
     "gross_1",
     "groupBox_serial",
     QT_TRANSLATE_NOOP("MainWindow", "Serial 1 Settings"),
     "label_3",
     16,
     "serial_comport",
     "connect_serial",
     "label_5",
     "SERIAL_STATUS"},
    {"groupBox_mainserial_2",
     {20, 330},
     QT_TRANSLATE_NOOP("MainWindow", "SCALE 2"),
     "sign_2",
     {"lcd1_2", "lcd2_2", "lcd3_2", "lcd4_2", "lcd5_2", "lcd6_2", "lcd7_2"},
     {"label_dot_2_a", "label_dot_2_b", "label_dot_2_c"},
     "netgross_2",
     "unit_2",
     "overload_2",
     "zero_2",
     "tare_2",
     "gross_2",
     "groupBox_serial_2",
     QT_TRANSLATE_NOOP("MainWindow", "Serial 2 Settings"),
     "label_4",
     16,
     "serial_comport_2",
     "connect_serial_2",
     "label_6",
     "SERIAL_STATUS_2"},
    {"groupBox_mainserial_3",
     {520, 330},
     QT_TRANSLATE_NOOP("MainWindow", "SCALE 3"),
     "sign_3",
     {"lcd1_3", "lcd2_3", "lcd3_3", "lcd4_3", "lcd5_3", "lcd6_3", "lcd7_3"},
     {"label_dot_3_a", "label_dot_3_b", "label_dot_3_c"},
     "netgross_3",
     "unit_3",
     "overload_3",
     "zero_3",
     "tare_3",
     "gross_3",
     "groupBox_serial_3",
     QT_TRANSLATE_NOOP("MainWindow", "Serial 3 Settings"),
     "label_8",
     21,
     "serial_comport_3",
     "connect_serial_3",
     "label_7",
     "SERIAL_STATUS_3"},
};

void buildScalePanel(QWidget *central, const ScalePanelNames &names, ScalePanelForm &form) {
  form.panel =
      make<QGroupBox>(central, names.panel, QRect(names.position, QSize(481, 181)), {10, 1});
  form.sign = make<QLabel>(form.panel, names.sign, QRect(10, 40, 41, 31), {28, 1});
  for (int k = 0; k < 7; ++k) {
    QLCDNumber *digit =
        make<QLCDNumber>(form.panel, names.digits[k], QRect(50 * (k + 1), 30, 41, 61));
    digit->setDigitCount(1);
    digit->setLineWidth(2);
    if (k < 2) {
      digit->setFrameShape(QFrame::Box);
      digit->setFrameShadow(QFrame::Raised);
    }
    form.digits[k] = digit;
  }
  for (int p = 0; p < 3; ++p)
    form.points[p] = pointLabel(form.panel, names.points[p], 240 + 50 * p, 50);
  form.netGross =
      make<QLabel>(form.panel, names.netGross, QRect(400, 30, 61, 21), {13, 1, -1, "Arial"});
  form.unit = make<QLabel>(form.panel, names.unit, QRect(400, 60, 61, 31), {17, 0});
  form.overload =
      make<QLabel>(form.panel, names.overload, QRect(370, 100, 71, 21), {12, -1, -1, "Arial"});

  form.settings = make<QGroupBox>(form.panel, names.settings, QRect(10, 100, 281, 71), {8, 0});
  form.portLegend = make<QLabel>(form.settings, names.portLegend,
                                 QRect(10, 20, 71, names.portLegendHeight), {9, 1});
  form.portName = make<QLabel>(form.settings, names.portName, QRect(90, 20, 61, 21), {10, -1, 1});
  form.connect = make<QPushButton>(form.settings, names.connect, QRect(40, 40, 81, 23));
  form.statusLegend =
      make<QLabel>(form.settings, names.statusLegend, QRect(130, 40, 61, 21), {10, 1});
  form.status = make<QLabel>(form.settings, names.status, QRect(190, 40, 91, 21), {10, -1, 1});

  form.zero = make<QPushButton>(form.panel, names.zero, QRect(300, 130, 51, 41));
  form.tare = make<QPushButton>(form.panel, names.tare, QRect(360, 130, 51, 41));
  form.tare->setEnabled(false);
  form.gross = make<QPushButton>(form.panel, names.gross, QRect(420, 130, 51, 41));
  form.gross->setEnabled(false);
}

void retranslateScalePanel(const ScalePanelNames &names, ScalePanelForm &form) {
  form.panel->setTitle(tr(names.title));
  form.sign->setText(QCoreApplication::translate("MainWindow", "+"));
  for (QLabel *point : form.points)
    point->setText(QCoreApplication::translate("MainWindow", "."));
  form.netGross->setText(QCoreApplication::translate("MainWindow", "GROSS"));
  form.unit->setText(QCoreApplication::translate("MainWindow", "KG"));
  form.overload->setText(QCoreApplication::translate("MainWindow", "Overload"));
  form.zero->setText(QCoreApplication::translate("MainWindow", "Zero"));
  form.tare->setText(QCoreApplication::translate("MainWindow", "Tare\nNet"));
  form.gross->setText(QCoreApplication::translate("MainWindow", "Gross"));
  form.settings->setTitle(tr(names.settingsTitle));
  form.portLegend->setText(QCoreApplication::translate("MainWindow", "COM PORT:"));
  form.portName->setText(QString());
  form.connect->setText(QCoreApplication::translate("MainWindow", "Connect"));
  form.statusLegend->setText(QCoreApplication::translate("MainWindow", "STATUS:"));
  form.status->setText(QCoreApplication::translate("MainWindow", "Not Connected"));
}

const char *const kGrandTotalDigitNames[8] = {
    "lcd1_grandtotal", "lcd2_grandtotal", "lcd3_grandtotal", "lcd4_grandtotal",
    "lcd5_grandtotal", "lcd6_grandtotal", "lcd7_grandtotal", "lcd8_grandtotal"};
const char *const kGrandTotalPointNames[3] = {"label_dot_grand_a", "label_dot_grand_b",
                                              "label_dot_grand_c"};

}  // namespace

void MainWindowForm::setupForm(QMainWindow *window) {
  initResources();
  if (window->objectName().isEmpty())
    window->setObjectName(QStringLiteral("MainWindow"));
  window->setEnabled(true);
  window->resize(1021, 714);
  QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
  policy.setHeightForWidth(window->sizePolicy().hasHeightForWidth());
  window->setSizePolicy(policy);
  QFont windowFont;
  windowFont.setWeight(QFont::Normal);
  windowFont.setItalic(false);
  window->setFont(windowFont);
  window->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));

  exitAct = new QAction(window);
  exitAct->setObjectName(QStringLiteral("exitAct"));
  centralWidget = new QWidget(window);
  centralWidget->setObjectName(QStringLiteral("centralWidget"));

  logo = make<QLabel>(centralWidget, "logo", QRect(1020, 10, 111, 71));
  logo->setEnabled(true);
  QPalette light;
  light.setColor(QPalette::WindowText, Qt::black);
  light.setColor(QPalette::Text, Qt::black);
  light.setColor(QPalette::Window, Qt::white);
  light.setColor(QPalette::Base, Qt::white);
  light.setColor(QPalette::Button, Qt::white);
  logo->setPalette(light);
  logo->setAutoFillBackground(false);
  logo->setFrameShape(QFrame::NoFrame);
  logo->setFrameShadow(QFrame::Plain);
  logo->setOpenExternalLinks(false);
  logo->setPixmap(QPixmap(QStringLiteral(":/new/prefix1/Korvel_logo.PNG")));
  logo->setScaledContents(true);

  groupBox = make<QGroupBox>(centralWidget, "groupBox", QRect(820, 530, 181, 121), {10, 1, 0});
  for (QLabel **clock : {&curtime, &curdate}) {
    const bool isTime = clock == &curtime;
    *clock = make<QLabel>(groupBox, isTime ? "curtime" : "curdate",
                          QRect(20, isTime ? 20 : 70, 141, 41), {15, 1, -1, "Terminal", true});
    (*clock)->setFrameShape(QFrame::WinPanel);
    (*clock)->setFrameShadow(QFrame::Sunken);
  }

  groupBox_datalog =
      make<QGroupBox>(centralWidget, "groupBox_datalog", QRect(20, 530, 741, 141), {10, 1});
  label_2 = make<QLabel>(groupBox_datalog, "label_2", QRect(10, 110, 61, 21), {8, 1});
  sense_spinBox = make<QSpinBox>(groupBox_datalog, "sense_spinBox", QRect(80, 110, 51, 22), {9});
  sense_spinBox->setFrame(true);
  sense_spinBox->setMinimum(1);
  sense_spinBox->setMaximum(9999);
  sense_spinBox->setValue(20);
  listdata = make<QListWidget>(groupBox_datalog, "listdata", QRect(10, 20, 171, 81));
  listdata->setLineWidth(5);
  listdata->setProperty("isWrapping", QVariant(false));
  listdata->setWordWrap(false);
  listdata->setSelectionRectVisible(false);
  label = make<QLabel>(groupBox_datalog, "label", QRect(190, 20, 46, 13), {9});
  total_count = make<QLabel>(groupBox_datalog, "total_count", QRect(240, 20, 46, 13), {9, 0});
  select_logfile = make<QPushButton>(groupBox_datalog, "select_logfile", QRect(330, 40, 81, 23));
  logfilename = make<QLabel>(groupBox_datalog, "logfilename", QRect(420, 40, 201, 21), {8, 0});
  logfilename->setFrameShape(QFrame::StyledPanel);
  logfilename->setFrameShadow(QFrame::Sunken);
  logfilename->setLineWidth(2);
  logfilename->setMidLineWidth(0);
  checkBox_datalog =
      make<QCheckBox>(groupBox_datalog, "checkBox_datalog", QRect(420, 20, 141, 17), {10, -1, 0});
  label_10 = make<QLabel>(groupBox_datalog, "label_10", QRect(190, 90, 81, 16), {9});
  label_11 = make<QLabel>(groupBox_datalog, "label_11", QRect(190, 40, 71, 16), {9});
  overlimit = make<QLineEdit>(groupBox_datalog, "overlimit", QRect(190, 60, 71, 20));
  underlimit = make<QLineEdit>(groupBox_datalog, "underlimit", QRect(190, 110, 71, 20));
  pushButton_overlimit =
      make<QPushButton>(groupBox_datalog, "pushButton_overlimit", QRect(280, 60, 21, 21));
  pushButton_overlimit->setFlat(false);
  pushButton_underlimit =
      make<QPushButton>(groupBox_datalog, "pushButton_underlimit", QRect(280, 110, 21, 21));
  checkBox_excellog =
      make<QCheckBox>(groupBox_datalog, "checkBox_excellog", QRect(420, 80, 181, 17));
  excelfilename = make<QLabel>(groupBox_datalog, "excelfilename", QRect(420, 100, 201, 21));
  excelfilename->setFrameShape(QFrame::StyledPanel);
  excelfilename->setFrameShadow(QFrame::Sunken);
  excelfilename->setLineWidth(2);
  select_excelfile =
      make<QPushButton>(groupBox_datalog, "select_excelfile", QRect(330, 100, 81, 23));
  recordnow = make<QPushButton>(groupBox_datalog, "recordnow", QRect(640, 20, 75, 61), {11});

  for (int n = 0; n < 3; ++n)
    buildScalePanel(centralWidget, kScalePanels[n], scales[n]);

  label_13 = make<QLabel>(centralWidget, "label_13", QRect(40, 30, 141, 61), {23, 1});
  label_13->setSizePolicy(QSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred));
  sign_grandtotal = make<QLabel>(centralWidget, "sign_grandtotal", QRect(190, 40, 41, 41), {34, 1});
  for (int k = 0; k < 8; ++k) {
    QLCDNumber *digit =
        make<QLCDNumber>(centralWidget, kGrandTotalDigitNames[k], QRect(240 + 80 * k, 20, 71, 91),
                         k == 3 ? FontSettings{0, 0} : FontSettings{});
    digit->setDigitCount(1);
    digit->setFrameShape(QFrame::Panel);
    digit->setLineWidth(5);
    if (k < 4)
      digit->setFrameShadow(QFrame::Raised);
    if (k == 3)
      digit->setMidLineWidth(0);
    grandTotalDigits[k] = digit;
  }
  for (int p = 0; p < 3; ++p) {
    grandTotalPoints[p] = pointLabel(centralWidget, kGrandTotalPointNames[p], 630 + 80 * p, 70);
  }
  netgross_grand =
      make<QLabel>(centralWidget, "netgross_grand", QRect(880, 20, 91, 31), {16, 1, -1, "Arial"});
  unit_grandtotal = make<QLabel>(centralWidget, "unit_grandtotal", QRect(880, 60, 61, 51), {23, 0});
  overload_grand =
      make<QLabel>(centralWidget, "overload_grand", QRect(880, 110, 101, 21), {16, 1, -1, "Arial"});

  window->setCentralWidget(centralWidget);
  menuBar = new QMenuBar(window);
  menuBar->setObjectName(QStringLiteral("menuBar"));
  menuBar->setGeometry(QRect(0, 0, 1021, 21));
  window->setMenuBar(menuBar);
  menuKORVEL = new QMenu(menuBar);
  menuKORVEL->setObjectName(QStringLiteral("menuKORVEL"));
  statusBar = new QStatusBar(window);
  statusBar->setObjectName(QStringLiteral("statusBar"));
  window->setStatusBar(statusBar);
  menuBar->addAction(menuKORVEL->menuAction());
  menuKORVEL->addAction(exitAct);

  retranslateForm(window);
  QObject::connect(exitAct, &QAction::triggered, window, &QMainWindow::close);
  listdata->setCurrentRow(-1);
}

void MainWindowForm::retranslateForm(QMainWindow *window) {
  window->setWindowTitle(QCoreApplication::translate("MainWindow", "Korvel Weigh Station"));
  exitAct->setText(QCoreApplication::translate("MainWindow", "Exit"));
  logo->setText(QString());
  groupBox->setTitle(QCoreApplication::translate("MainWindow", "Current Time && Date"));
  curtime->setText(QCoreApplication::translate("MainWindow", "TextLabel"));
  curdate->setText(QCoreApplication::translate("MainWindow", "TextLabel"));
  groupBox_datalog->setTitle(QCoreApplication::translate("MainWindow", "Data Log"));
  label_2->setText(QCoreApplication::translate("MainWindow", "Sensitivity"));
  label->setText(QCoreApplication::translate("MainWindow", "Count:"));
  total_count->setText(QCoreApplication::translate("MainWindow", "0"));
  select_logfile->setText(QCoreApplication::translate("MainWindow", "Select File"));
  logfilename->setText(QString());
  checkBox_datalog->setText(QCoreApplication::translate("MainWindow", "Start Text File Log"));
  label_10->setText(QCoreApplication::translate("MainWindow", "Under Limit"));
  label_11->setText(QCoreApplication::translate("MainWindow", "Over Limit"));
  overlimit->setText(QCoreApplication::translate("MainWindow", "10000"));
  underlimit->setText(QCoreApplication::translate("MainWindow", "0"));
  pushButton_overlimit->setText(QString());
  pushButton_underlimit->setText(QString());
  checkBox_excellog->setText(QCoreApplication::translate("MainWindow", "Start Excel File Log"));
  excelfilename->setText(QString());
  select_excelfile->setText(QCoreApplication::translate("MainWindow", "Select File"));
  recordnow->setText(QCoreApplication::translate("MainWindow", " RECORD\nNOW"));
  for (int n = 0; n < 3; ++n)
    retranslateScalePanel(kScalePanels[n], scales[n]);
  label_13->setText(QCoreApplication::translate("MainWindow", "TOTAL ="));
  sign_grandtotal->setText(QCoreApplication::translate("MainWindow", "+"));
  for (QLabel *point : grandTotalPoints)
    point->setText(QCoreApplication::translate("MainWindow", "."));
  netgross_grand->setText(QCoreApplication::translate("MainWindow", "GROSS"));
  unit_grandtotal->setText(QCoreApplication::translate("MainWindow", "KG"));
  overload_grand->setText(QCoreApplication::translate("MainWindow", "Overload"));
  menuKORVEL->setTitle(QCoreApplication::translate("MainWindow", "File"));
}
