#!/usr/bin/env bash
# Builds a fuzz target with clang and runs it for the given number of
# seconds (default 60) from its seed files in fuzz/corpus/TARGET.
#   scripts/fuzz.sh record_load 600
# Extra arguments go to libFuzzer (-runs=N, -jobs=N, ...).
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?usage: scripts/fuzz.sh TARGET [SECONDS] [libFuzzer options]}
seconds=${2:-60}
shift $(( $# < 2 ? $# : 2 ))
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTREVALO_FUZZ=ON -DTREVALO_WERROR=ON > /dev/null
cmake --build "$build" --target "${target}_fuzz"
# New finds go to a scratch folder; fuzz/corpus/TARGET stays the minimised seed set.
# The view lives across runs, as in the window, so memory freed a run later
# is no leak; leaks are the unit tests' business, under LeakSanitizer.
mkdir -p "$build/corpus/$target"
"$build/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -detect_leaks=0 \
    -print_final_stats=1 "$@" "$build/corpus/$target" "fuzz/corpus/$target"
