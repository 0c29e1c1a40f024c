#!/usr/bin/env bash
# run_start_bench.sh [BUILD] [RUNS]: the cold-start benchmark under a virtual X server.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-${QUILLORN_BUILD:-$root/build}}
source "$root/scripts/lib/xvfb.sh"
start_xvfb 1024x768x24
"$build/bench/ui/quillorn_bench_start" "$build/bench/ui/quillorn_start_probe" \
  "$build/bench/ui/quillorn_start_floor" "${2:-20}"
