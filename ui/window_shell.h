#pragma once
// The shell's side of the windows: the stored definitions as read at start-up with their event
// bindings, loading a window by identifier, the list of open windows, and the quit request once
// the last one is gone.
//
//   ReadWindowDefinitions(StoredWindowDefinitions(), {{Handler::kCalculateHedge, &f}}) -> true
//   ReadWindowDefinitions(defs with a click bound to nothing, {})                       -> false
//   LoadWindow(kMainWindowId)  -> the main window is open and shown
//   LoadWindow(0x1234)         -> ReportFatalError("载入启动窗口失败", 0)
#include <cstddef>
#include <cstdint>
#include <span>

#include "ui/window_definition.h"

namespace quillorn::ui {

class MainWindow;
using HandlerRoutine = void (*)();

struct HandlerBinding {
  Handler handler;
  HandlerRoutine routine;
};

// Keeps the definitions and binds every handler they name. False, keeping nothing, when a
// definition is malformed or names a handler without a binding.
bool ReadWindowDefinitions(std::span<const WindowDefinition> definitions,
                           std::span<const HandlerBinding> bindings);
// Drops what ReadWindowDefinitions kept (clean-up, tests).
void ForgetWindowDefinitions() noexcept;

// Builds the window with this identifier from the definitions read, shows it centred and
// activates it. Reports "载入启动窗口失败" when no definition has the identifier.
void LoadWindow(std::uint32_t identifier);

// The open window with this identifier, or nullptr.
MainWindow* FindOpenWindow(std::uint32_t identifier) noexcept;
std::size_t OpenWindowCount() noexcept;

// Set by the event loop before it runs; a window destroyed while it is set, leaving none open,
// posts the quit request with code 0.
void SetLoopEntered(bool entered) noexcept;
bool LoopEntered() noexcept;

// Called by a window as it is destroyed.
void NoteWindowDestroyed(const MainWindow* window) noexcept;

}  // namespace quillorn::ui
