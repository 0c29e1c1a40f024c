// The program's start-up exactly as RunProgram does it, with the first-paint probe added.
#include <QApplication>

#include "app/fatal_report.h"
#include "app/program_entry.h"
#include "app/shell_state.h"
#include "first_paint_probe.h"
#include "ui/fatal_box.h"

int main() {
  static char name[] = "quillorn";
  static char* arguments[] = {name, nullptr};
  static int count = 1;
  QApplication application(count, arguments);
  QApplication::setQuitOnLastWindowClosed(false);
  quillorn::SetFatalPresenter(&quillorn::ui::PresentInMessageBox);
  InstallFirstPaintProbe();
  quillorn::ProgramEntry();
  quillorn::CleanUp(0);
  return quillorn::QuitCode();
}
