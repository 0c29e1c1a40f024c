#include "app/program_entry.h"

#include <QApplication>
#include <cfenv>
#include <filesystem>
#include <system_error>

#include "app/fatal_report.h"
#include "app/shell_state.h"
#include "ui/control_text.h"
#include "ui/fatal_box.h"
#include "ui/window_shell.h"

namespace quillorn {
namespace {

// The shell's own resources, released by CleanUp after the exit routine.
void ReleaseShellResources(std::int32_t) noexcept { ui::ForgetWindowDefinitions(); }

void EnterExecutableFolder() {
  const std::filesystem::path folder = QCoreApplication::applicationDirPath().toStdString();
  std::error_code ignored;  // a folder that cannot be entered leaves the directory as it was
  std::filesystem::current_path(folder, ignored);
}

}  // namespace

void InitShellFrom(std::span<const ui::WindowDefinition> definitions) {
  // The text heap is the process heap (app/text_memory): nothing to take here.
  EnterExecutableFolder();
  static constexpr ui::HandlerBinding kBindings[] = {
      {ui::Handler::kCalculateHedge, &ui::CalculateHedge}};
  if (!ui::ReadWindowDefinitions(definitions, kBindings)) {
    ReportFatalError(kMessageDefinitionsUnreadable, 0);
  }
}

void InitShell() { InitShellFrom(ui::StoredWindowDefinitions()); }

std::int32_t ProgramEntry() {
  InitShell();
  // Round to nearest with ties to even, every exception masked: a division by zero gives an
  // infinity and never traps.
  std::fesetenv(FE_DFL_ENV);
  OnStart();
  SetExitRoutine(&OnExit);
  ui::LoadWindow(ui::kMainWindowId);
  RunEventLoop();
  return 0;
}

int RunProgram() {
  // Qt reads options such as -style or -platform from its arguments; the program takes no
  // arguments, so Qt sees the program's name alone.
  static char name[] = "quillorn";
  static char* arguments[] = {name, nullptr};
  static int count = 1;
  QApplication application(count, arguments);
  // The desktop entry's name: Wayland compositors and docks match the window to the entry (and
  // so to its icon and name) by it.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUILLORN_APP_ID));
  // The shell posts the quit request itself when the last window is destroyed.
  QApplication::setQuitOnLastWindowClosed(false);
  SetFatalPresenter(&ui::PresentInMessageBox);
  SetResourceRelease(&ReleaseShellResources);
  ProgramEntry();
  CleanUp(0);
  SetFatalPresenter(nullptr);
  return QuitCode();
}

}  // namespace quillorn
