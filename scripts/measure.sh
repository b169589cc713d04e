#!/usr/bin/env bash
# Measures what docs/PERFORMANCE.md reports. Needs a build (scripts/test.sh
# or cmake --build build) and runs without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_CONFIG_HOME"

build/tz_arko5-sim --engine --link "$work/unit" >/dev/null 2>&1 &
for _ in $(seq 50); do [ -e "$work/unit" ] && break; sleep 0.1; done

echo "== start to first painted window, 10 runs (ms)"
times=()
for _ in $(seq 10); do
  start=$(date +%s%N)
  build/tz_arko5 --port "$work/unit" --screenshot "$work/first.png" --after 0 2>/dev/null
  times+=($(( ($(date +%s%N) - start) / 1000000 )))
done
printf '%s\n' "${times[@]}" | sort -n | tr '\n' ' '
echo; echo "median: $(printf '%s\n' "${times[@]}" | sort -n | sed -n 5,6p | paste -sd+ | bc | awk '{print $1/2}') ms"

echo "== peak memory, 10 s with the live engine (KiB)"
/usr/bin/time -f "%M" build/tz_arko5 --port "$work/unit" --screenshot "$work/live.png" --after 10000 2>&1 >/dev/null | tail -1

echo "== CPU use of an idle, connected window over 30 s"
build/tz_arko5 --port "$work/unit" 2>/dev/null &
window=$!
sleep 2
before=$(awk '{print $14 + $15}' /proc/$window/stat)
sleep 30
after=$(awk '{print $14 + $15}' /proc/$window/stat)
ticks=$(getconf CLK_TCK)
echo "$(( after - before )) clock ticks of $ticks per second in 30 s: $(echo "scale=2; 100 * ($after - $before) / $ticks / 30" | bc) % of one core"
kill -TERM $window; wait $window 2>/dev/null || true

echo "== one tick with the engine running"
build/bench/tz_tick_measure 20000

echo "== the Log page's plot of a one-hour log"
build/bench/tz_plots_bench 2>/dev/null | grep BM_

echo "== graph drawing"
if [ -x build/bench/tz_qt_graphs_bench ]; then
  build/bench/tz_qt_graphs_bench --benchmark_filter=QPainter 2>/dev/null | grep BM_
fi

echo "== a full program run (program and verify, saving excluded) at 57600 baud"
python3 - "$work/unit" <<'PY'
import subprocess, sys, time
start = time.monotonic()
p = subprocess.Popen(["build/tz_arko5-cli", "program", "--port", sys.argv[1],
                      "tests/params/data/defaults.ign"], stdout=subprocess.PIPE, text=True)
for line in p.stdout:
    if line.startswith("Program device:: OK"):
        print(f"{(time.monotonic() - start) * 1000:.0f} ms from start of the command to the end of verify")
        break
p.wait()
PY
