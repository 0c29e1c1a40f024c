# Fuzzing: each harness for a bounded time (QUILLORN_FUZZ_SECONDS, 60 by default, about three
# minutes for all three) against the exact reference. Any crash, sanitizer report or mismatch
# fails the check. Skipped with a note when clang is not installed.
set -euo pipefail
if ! command -v clang++ >/dev/null; then
  echo "clang++ not installed: fuzzing skipped"
  exit 0
fi
QUILLORN_FUZZ_BUILD="${QUILLORN_FUZZ_BUILD:-$QUILLORN_BUILD-fuzz}" \
  "$QUILLORN_ROOT/scripts/fuzz-long" "${QUILLORN_FUZZ_SECONDS:-60}"
