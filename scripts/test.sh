#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test, then builds optimised,
# without sanitizers, and runs every test again but the fuzzing.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in test test-optimised; do
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
