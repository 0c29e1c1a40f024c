// The floor of the start-up benchmark: a bare Qt window with one label. The label shows the
// window's foot note, so the floor loads the same Chinese font the program needs.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include "first_paint_probe.h"

int main() {
  static char name[] = "floor";
  static char* arguments[] = {name, nullptr};
  static int count = 1;
  QApplication application(count, arguments);
  InstallFirstPaintProbe();
  QWidget window;
  window.setWindowTitle(QStringLiteral("Floor"));
  window.resize(483, 366);
  QLabel label(QString::fromUtf8("注意：输入数据必须符合以下规定【概率1＞概率4 ，概率2 概率3 ＞概率5 概率6】"),
               &window);
  label.setGeometry(16, 240, 448, 72);
  window.show();
  return QApplication::exec();
}
