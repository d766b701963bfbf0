#!/usr/bin/env bash
# Installs what is missing, builds optimised and runs the benchmarks: the
# window (opening, model switch, "Open File" of the largest record file), the
# record reader against `wc -l` on the same file, and the peak memory of
# loading that file.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench
cmake --build --preset bench

largest=build/bench/largest_record_file.cus
[ -f "$largest" ] || python3 bench/make_largest_record_file.py "$largest"
ls -l "$largest"

build/bench/bench/reader_bench "$largest"
TREVALO_LARGEST_RECORD_FILE="$largest" build/bench/bench/window_bench
build/bench/bench/load_memory "$largest"
