#pragma once
// For the start-up benchmark only: notes when the first top-level window has been painted,
// writes the nanoseconds since QUILLORN_BENCH_T0_NS (CLOCK_MONOTONIC, set by the launcher just
// before exec) to standard output, and closes that window.
void InstallFirstPaintProbe();
