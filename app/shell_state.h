#pragma once
// The shell's exit-routine slot and the end-of-run clean-up, shared by a normal close and the
// fatal report.
#include <cstdint>

namespace quillorn {

using ExitRoutine = void (*)();

// The program's own start and exit work: both empty.
void OnStart() noexcept;
void OnExit() noexcept;

// Puts `routine` in the exit-routine slot; a later call replaces an earlier routine.
void SetExitRoutine(ExitRoutine routine) noexcept;
// Empties the slot without calling the routine (the fatal path).
void ClearExitRoutine() noexcept;
// Calls the routine in the slot once, empties the slot, then runs the registered release of the
// shell's own resources (the window registers its own).
void CleanUp(std::int32_t code) noexcept;
// What CleanUp releases besides calling the exit routine; nullptr for nothing.
using ResourceRelease = void (*)(std::int32_t code);
void SetResourceRelease(ResourceRelease release) noexcept;

}  // namespace quillorn
