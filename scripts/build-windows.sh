#!/usr/bin/env bash
# Cross-builds the core, tz_arko5-cli.exe and the core's tests for 64-bit
# Windows with MinGW-w64 into build-windows/, and runs the tests under Wine.
# The window (no Qt for Windows here) and the simulator (a pseudo-terminal)
# are not part of it. Installs what is missing from Debian's packages.
# TZ_WINDOWS_BUILD=DIR builds into DIR instead.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
build=${TZ_WINDOWS_BUILD:-build-windows}

packages=(cmake g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest wine wine64)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends \
    -o DPkg::Lock::Timeout=600 "${missing[@]}"
fi

# Wine without a display, in a prefix of its own inside the build folder,
# made once; one Wine server serves the test discovery of the build and
# every test, and is stopped at the end.
export WINEPREFIX="$PWD/$build/wine-prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
mkdir -p "$build"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot --init >/dev/null 2>&1
  wineserver --wait
fi
# A server still running in the prefix (an earlier run's) serves as well.
wineserver --persistent 2>/dev/null || true
# The first Wine program starts Wine's own services, which then stay with
# the server: started here, so that they hold no test's output that CTest
# waits for.
wine cmd /c exit </dev/null >/dev/null 2>&1
trap 'wineserver --kill' EXIT

cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DTZ_WERROR=ON -DTZ_GUI=OFF -DTZ_BENCH=OFF
cmake --build "$build" -j"$jobs"

ctest --test-dir "$build" --output-on-failure -j"$jobs"
