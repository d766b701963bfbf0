#!/usr/bin/env bash
# Installs what is missing, builds optimised and runs the benchmarks: the
# window (opening, model switch, "Open File" of the largest record file
# against a std::getline pass over it), the record reader against `wc -l` on
# the same file, the import of a day-long FIT activity, and the peak memory of loading a small file, the largest
# valid file and a 200 MB file without line ends.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench
cmake --build --preset bench

largest=build/bench/largest_record_file.cus
[ -f "$largest" ] || python3 bench/make_largest_record_file.py "$largest"
ls -l "$largest"
small=build/bench/small_record_file.cus
head -n 60 "$largest" > "$small"
one_line=build/bench/one_200mb_line.cus
[ -f "$one_line" ] || head -c 200000000 /dev/zero | tr '\0' '7' > "$one_line"

build/bench/bench/reader_bench "$largest"
build/bench/bench/export_bench "$largest"
build/bench/bench/fit_import_bench
TREVALO_LARGEST_RECORD_FILE="$largest" build/bench/bench/window_bench
for file in "$small" "$largest" "$one_line"; do
    build/bench/bench/load_memory "$file"
done
