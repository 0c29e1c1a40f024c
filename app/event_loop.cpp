// The event loop of the shell: Qt's loop, entered only while a window is open.
#include <QApplication>

#include "app/program_entry.h"
#include "ui/window_shell.h"

namespace quillorn {
namespace {
int g_quit_code = 0;
}  // namespace

void RunEventLoop() {
  ui::SetLoopEntered(true);
  if (ui::OpenWindowCount() == 0) return;
  // Key presses meet the window's own key handling (an event filter on its controls) before
  // the focused control; a handler runs to completion before the next event is taken.
  g_quit_code = QApplication::exec();
}

int QuitCode() noexcept { return g_quit_code; }

}  // namespace quillorn
