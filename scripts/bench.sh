#!/usr/bin/env bash
# Installs what is missing, builds optimised and runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset bench
cmake --build --preset bench
build/bench/bench/window_bench "$@"
