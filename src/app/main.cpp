#include <QApplication>
#include <QDebug>

#include "app/mainwindow.h"

int main(int argc, char *argv[]) {
  QApplication application(argc, argv);
  qDebug("weighstation %s", WEIGHSTATION_VERSION);
  int exitCode = 0;
  {
    MainWindow window;
    window.show();
    exitCode = application.exec();
  }
  return exitCode;
}
