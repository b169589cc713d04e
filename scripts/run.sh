#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments are
# passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build
cmake --build build -j"$(nproc 2>/dev/null || echo 2)"
exec build/tz_arko5 "$@"
