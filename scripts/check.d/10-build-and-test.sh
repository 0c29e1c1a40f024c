# The normal build with warnings as errors, then every test.
set -euo pipefail
cmake -S "$QUILLORN_ROOT" -B "$QUILLORN_BUILD" -G Ninja -DQUILLORN_WERROR=ON
cmake --build "$QUILLORN_BUILD" -j"$(nproc)"
ctest --test-dir "$QUILLORN_BUILD" --output-on-failure -j"$(nproc)" --timeout 600
