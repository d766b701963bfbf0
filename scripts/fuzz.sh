#!/usr/bin/env bash
# Builds the record reader's fuzz target with clang and runs it for the given
# number of seconds (default 60) from the seed files in fuzz/corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTREVALO_FUZZ=ON > /dev/null
cmake --build "$build" --target record_reader_fuzz
mkdir -p "$build/corpus"
"$build/fuzz/record_reader_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$build/corpus" fuzz/corpus
