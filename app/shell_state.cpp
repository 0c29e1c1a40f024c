#include "app/shell_state.h"

namespace quillorn {
namespace {
ExitRoutine g_exit_routine = nullptr;
ResourceRelease g_release = nullptr;
}  // namespace

void OnStart() noexcept {}
void OnExit() noexcept {}

void SetExitRoutine(ExitRoutine routine) noexcept { g_exit_routine = routine; }
void ClearExitRoutine() noexcept { g_exit_routine = nullptr; }
void SetResourceRelease(ResourceRelease release) noexcept { g_release = release; }

void CleanUp(std::int32_t code) noexcept {
  if (ExitRoutine routine = g_exit_routine) {
    g_exit_routine = nullptr;
    routine();
  }
  if (g_release != nullptr) g_release(code);
}

}  // namespace quillorn
