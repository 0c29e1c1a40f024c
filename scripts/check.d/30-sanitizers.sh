# The whole test suite once more, built with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer, the window tests included (offscreen). Any finding fails the check.
# Leaks inside Qt and the libraries under it are suppressed in tests/sanitizer/lsan.supp.
set -euo pipefail
build="${QUILLORN_ASAN_BUILD:-$QUILLORN_BUILD-asan}"
cmake -S "$QUILLORN_ROOT" -B "$build" -G Ninja -DQUILLORN_SANITIZE=ON -DQUILLORN_WERROR=ON \
      -DQUILLORN_BUILD_BENCH=OFF
cmake --build "$build" -j"$(nproc)"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$QUILLORN_ROOT/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 900
