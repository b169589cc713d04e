#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
# Extra stages for CI: TZ_SANITIZE_TESTS=1 reruns the tests under ASan and
# UBSan, TZ_FUZZ_SECONDS=N runs each fuzzer N seconds on its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

scripts/install-deps.sh

cmake -S . -B build -DTZ_WERROR=ON
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

if [ "${TZ_SANITIZE_TESTS:-0}" = 1 ]; then
  cmake -S . -B build-asan -DTZ_WERROR=ON -DTZ_SANITIZE=ON -DTZ_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
  cmake --build build-asan -j"$jobs"
  ASAN_OPTIONS=detect_leaks=1 ctest --test-dir build-asan --output-on-failure -j"$jobs"
fi

if [ "${TZ_FUZZ_SECONDS:-0}" -gt 0 ]; then
  CXX=clang++-14 cmake -S . -B build-fuzz -DTZ_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build-fuzz -j"$jobs" --target tz_fuzzers
  for fuzzer in build-fuzz/fuzz/fuzz_*; do
    name=$(basename "$fuzzer")
    corpus="fuzz/corpus/${name#fuzz_}"
    work=$(mktemp -d)
    echo "== $name for ${TZ_FUZZ_SECONDS}s"
    "$fuzzer" -max_total_time="$TZ_FUZZ_SECONDS" -max_len=8192 "$work" "$corpus" 2>&1 | tail -n 2
    rm -rf "$work"
  done
fi
