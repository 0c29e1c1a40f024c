#pragma once
// The life of the program on Qt: start-up, the event loop and the end.
//
//   RunProgram()  -> the window opens; after it is closed: CleanUp(0), then 0 (the exit code)
//   ProgramEntry(): InitShell; floating point reset (round to nearest, every exception masked);
//                   OnStart; SetExitRoutine(OnExit); LoadWindow(0x52010001); RunEventLoop;
//                   returns 0
// A QApplication must exist before ProgramEntry runs; RunProgram makes one.
#include <cstdint>
#include <span>

#include "ui/window_definition.h"

namespace quillorn {

// Makes the QApplication from a fixed argument list (the command line is ignored), puts the
// fatal report into a message box, runs ProgramEntry and CleanUp(0); returns the code of the
// quit request that ended the loop.
int RunProgram();

std::int32_t ProgramEntry();

// Sets the current directory to the folder of the program's executable, reads the window
// definitions and binds the click of 按钮1 to the hedge calculation. Reports
// "载入窗口模板数据段出错!" when the definitions cannot be read.
void InitShell();
// The same with other definitions, for the path where they are unusable.
void InitShellFrom(std::span<const ui::WindowDefinition> definitions);

// Sets the loop-entered flag, returns at once when no window is open, else runs the Qt event
// loop until the quit request; the request's code is kept for QuitCode().
void RunEventLoop();
int QuitCode() noexcept;

}  // namespace quillorn
