#include "ui/window_shell.h"

#include <QCoreApplication>
#include <algorithm>
#include <vector>

#include "app/fatal_report.h"
#include "ui/main_window.h"

namespace quillorn::ui {
namespace {

struct ShellWindows {
  std::span<const WindowDefinition> definitions;
  std::vector<HandlerBinding> bindings;
  std::vector<MainWindow*> open;
  bool loop_entered = false;
};

ShellWindows& Shell() {
  static ShellWindows shell;
  return shell;
}

HandlerRoutine RoutineFor(std::span<const HandlerBinding> bindings, Handler handler) {
  for (const HandlerBinding& binding : bindings) {
    if (binding.handler == handler) return binding.routine;
  }
  return nullptr;
}

// The click routine of a window: the routine bound to the handler its button names.
HandlerRoutine ClickRoutine(const WindowDefinition& definition,
                            std::span<const HandlerBinding> bindings) {
  for (const ControlDefinition& control : definition.controls) {
    if (control.click != Handler::kNone) return RoutineFor(bindings, control.click);
  }
  return nullptr;
}

}  // namespace

bool ReadWindowDefinitions(std::span<const WindowDefinition> definitions,
                           std::span<const HandlerBinding> bindings) {
  if (definitions.empty()) return false;
  for (const WindowDefinition& definition : definitions) {
    if (!IsWellFormed(definition)) return false;
    for (const ControlDefinition& control : definition.controls) {
      if (control.click != Handler::kNone && RoutineFor(bindings, control.click) == nullptr) {
        return false;
      }
    }
  }
  ShellWindows& shell = Shell();
  shell.definitions = definitions;
  shell.bindings.assign(bindings.begin(), bindings.end());
  return true;
}

void ForgetWindowDefinitions() noexcept {
  ShellWindows& shell = Shell();
  shell.definitions = {};
  shell.bindings.clear();
}

void LoadWindow(std::uint32_t identifier) {
  ShellWindows& shell = Shell();
  const WindowDefinition* definition = FindWindowDefinition(shell.definitions, identifier);
  if (definition == nullptr) ReportFatalError(kMessageWindowLoadFailed, 0);
  auto* window = new MainWindow(*definition, ClickRoutine(*definition, shell.bindings));
  shell.open.push_back(window);
  window->ShowCentred();
}

MainWindow* FindOpenWindow(std::uint32_t identifier) noexcept {
  for (MainWindow* window : Shell().open) {
    if (window->definition().identifier == identifier) return window;
  }
  return nullptr;
}

std::size_t OpenWindowCount() noexcept { return Shell().open.size(); }

void SetLoopEntered(bool entered) noexcept { Shell().loop_entered = entered; }
bool LoopEntered() noexcept { return Shell().loop_entered; }

void NoteWindowDestroyed(const MainWindow* window) noexcept {
  ShellWindows& shell = Shell();
  const auto it = std::find(shell.open.begin(), shell.open.end(), window);
  if (it == shell.open.end()) return;
  shell.open.erase(it);
  if (shell.open.empty() && shell.loop_entered) QCoreApplication::exit(0);
}

}  // namespace quillorn::ui
