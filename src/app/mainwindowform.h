// The main window's form: every widget at its fixed place, reached by its
// object name. The three scale panels are alike and are built from one
// description; their widgets are also reachable by their own names.
#pragma once

#include <array>

class QAction;
class QCheckBox;
class QGroupBox;
class QLCDNumber;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QMenu;
class QMenuBar;
class QPushButton;
class QSpinBox;
class QStatusBar;
class QWidget;

struct ScalePanelForm {
  QGroupBox *panel = nullptr;
  QLabel *sign = nullptr;
  std::array<QLCDNumber *, 7> digits{};
  std::array<QLabel *, 3> points{};  // after digits 4, 5 and 6
  QLabel *netGross = nullptr;
  QLabel *unit = nullptr;
  QLabel *overload = nullptr;
  QPushButton *zero = nullptr;
  QPushButton *tare = nullptr;
  QPushButton *gross = nullptr;
  QGroupBox *settings = nullptr;
  QLabel *portLegend = nullptr;
  QLabel *portName = nullptr;
  QPushButton *connect = nullptr;
  QLabel *statusLegend = nullptr;
  QLabel *status = nullptr;
};

struct MainWindowForm {
  MainWindowForm() = default;
  MainWindowForm(const MainWindowForm &) = delete;
  MainWindowForm &operator=(const MainWindowForm &) = delete;

  void setupForm(QMainWindow *window);
  void retranslateForm(QMainWindow *window);

  QAction *exitAct = nullptr;
  QWidget *centralWidget = nullptr;
  QLabel *logo = nullptr;

  QGroupBox *groupBox = nullptr;
  QLabel *curtime = nullptr;
  QLabel *curdate = nullptr;

  QGroupBox *groupBox_datalog = nullptr;
  QLabel *label_2 = nullptr;
  QSpinBox *sense_spinBox = nullptr;
  QListWidget *listdata = nullptr;
  QLabel *label = nullptr;
  QLabel *total_count = nullptr;
  QPushButton *select_logfile = nullptr;
  QLabel *logfilename = nullptr;
  QCheckBox *checkBox_datalog = nullptr;
  QLabel *label_10 = nullptr;
  QLabel *label_11 = nullptr;
  QLineEdit *overlimit = nullptr;
  QLineEdit *underlimit = nullptr;
  QPushButton *pushButton_overlimit = nullptr;
  QPushButton *pushButton_underlimit = nullptr;
  QCheckBox *checkBox_excellog = nullptr;
  QLabel *excelfilename = nullptr;
  QPushButton *select_excelfile = nullptr;
  QPushButton *recordnow = nullptr;

  std::array<ScalePanelForm, 3> scales;

  QLabel *label_13 = nullptr;
  QLabel *sign_grandtotal = nullptr;
  std::array<QLCDNumber *, 8> grandTotalDigits{};
  std::array<QLabel *, 3> grandTotalPoints{};
  QLabel *netgross_grand = nullptr;
  QLabel *unit_grandtotal = nullptr;
  QLabel *overload_grand = nullptr;

  QMenuBar *menuBar = nullptr;
  QMenu *menuKORVEL = nullptr;
  QStatusBar *statusBar = nullptr;

  // Scale widgets by their object names.
  QGroupBox *&groupBox_mainserial = scales[0].panel;
  QGroupBox *&groupBox_mainserial_2 = scales[1].panel;
  QGroupBox *&groupBox_mainserial_3 = scales[2].panel;
  QLabel *&sign = scales[0].sign;
  QLabel *&sign_2 = scales[1].sign;
  QLabel *&sign_3 = scales[2].sign;
  QLabel *&label_dot_a = scales[0].points[0];
  QLabel *&label_dot_b = scales[0].points[1];
  QLabel *&label_dot_c = scales[0].points[2];
  QLabel *&label_dot_2_a = scales[1].points[0];
  QLabel *&label_dot_2_b = scales[1].points[1];
  QLabel *&label_dot_2_c = scales[1].points[2];
  QLabel *&label_dot_3_a = scales[2].points[0];
  QLabel *&label_dot_3_b = scales[2].points[1];
  QLabel *&label_dot_3_c = scales[2].points[2];
  QLabel *&netgross_1 = scales[0].netGross;
  QLabel *&netgross_2 = scales[1].netGross;
  QLabel *&netgross_3 = scales[2].netGross;
  QLabel *&unit = scales[0].unit;
  QLabel *&unit_2 = scales[1].unit;
  QLabel *&unit_3 = scales[2].unit;
  QLabel *&overload_1 = scales[0].overload;
  QLabel *&overload_2 = scales[1].overload;
  QLabel *&overload_3 = scales[2].overload;
  QPushButton *&zero_1 = scales[0].zero;
  QPushButton *&zero_2 = scales[1].zero;
  QPushButton *&zero_3 = scales[2].zero;
  QPushButton *&tare_1 = scales[0].tare;
  QPushButton *&tare_2 = scales[1].tare;
  QPushButton *&tare_3 = scales[2].tare;
  QPushButton *&gross_1 = scales[0].gross;
  QPushButton *&gross_2 = scales[1].gross;
  QPushButton *&gross_3 = scales[2].gross;
  QGroupBox *&groupBox_serial = scales[0].settings;
  QGroupBox *&groupBox_serial_2 = scales[1].settings;
  QGroupBox *&groupBox_serial_3 = scales[2].settings;
  QLabel *&label_3 = scales[0].portLegend;
  QLabel *&label_4 = scales[1].portLegend;
  QLabel *&label_8 = scales[2].portLegend;
  QLabel *&serial_comport = scales[0].portName;
  QLabel *&serial_comport_2 = scales[1].portName;
  QLabel *&serial_comport_3 = scales[2].portName;
  QPushButton *&connect_serial = scales[0].connect;
  QPushButton *&connect_serial_2 = scales[1].connect;
  QPushButton *&connect_serial_3 = scales[2].connect;
  QLabel *&label_5 = scales[0].statusLegend;
  QLabel *&label_6 = scales[1].statusLegend;
  QLabel *&label_7 = scales[2].statusLegend;
  QLabel *&SERIAL_STATUS = scales[0].status;
  QLabel *&SERIAL_STATUS_2 = scales[1].status;
  QLabel *&SERIAL_STATUS_3 = scales[2].status;
  QLCDNumber *&lcd1_grandtotal = grandTotalDigits[0];
  QLCDNumber *&lcd8_grandtotal = grandTotalDigits[7];
  QLabel *&label_dot_grand_a = grandTotalPoints[0];
  QLabel *&label_dot_grand_b = grandTotalPoints[1];
  QLabel *&label_dot_grand_c = grandTotalPoints[2];
};
