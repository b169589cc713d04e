#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments are
# passed to the program.
#
# Without a serial device (no --port DEV and no TZ_ARKO5_PORTS) the window
# connects to the simulated unit with an engine running through the map, as
# a demonstration.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build
# Only what the window needs; scripts/test.sh builds the tests and benchmarks
# in the same directory.
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target tz_arko5 tz_arko5-sim tz_manuals

if [[ " $* " != *" --port "* && -z "${TZ_ARKO5_PORTS:-}" ]]; then
  demo=$(mktemp -d "${TMPDIR:-/tmp}/tzdemo.XXXX")
  build/tz_arko5-sim --engine --link "$demo/unit" >"$demo/simulator.log" 2>&1 &
  simulator=$!
  trap 'kill "$simulator" 2>/dev/null; rm -rf "$demo"' EXIT
  for _ in $(seq 50); do [ -e "$demo/unit" ] && break; sleep 0.1; done
  echo "No serial device given: demonstration with the simulated unit at $demo/unit."
  echo "Start with --port /dev/ttyUSB0 (or choose a port in the Com menu) for a real unit."
  set -- "$@" --port "$demo/unit"
fi
build/tz_arko5 "$@"
