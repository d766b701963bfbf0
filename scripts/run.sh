#!/usr/bin/env bash
# Installs what is missing, builds the tool and opens its window.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target trevalo
exec build/release/app/trevalo
