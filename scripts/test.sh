#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every test, then builds optimised,
# without sanitizers, and runs every test again but the fuzzing; then builds
# the Windows program and runs its tests under Wine (scripts/windows_test.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
for preset in test test-optimised; do
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
# The same tool as a Windows program, cross-built and tested under Wine; a
# skip with the reason where MinGW-w64, Wine or the shared Qt is missing.
scripts/windows_test.sh
