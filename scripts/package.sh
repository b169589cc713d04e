#!/usr/bin/env bash
# Builds the Debian package into OUTDIR (default build-package/ in the
# repository), which also holds the build: the product alone (no tests), a
# Release build with Debian's hardening flags, its binaries stripped.
set -euo pipefail
out=$(realpath -m "${1:-$(dirname "$0")/../build-package}")
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

scripts/install-deps.sh

# Debian's flags without its -g and -O2 (Release brings -O3, and the symbols
# would be stripped) and without -Wdate-time (the About box shows the build
# date).
cxxflags="$(DEB_CPPFLAGS_MAINT_STRIP=-Wdate-time dpkg-buildflags --get CPPFLAGS)"
cxxflags+=" $(DEB_CXXFLAGS_MAINT_STRIP='-g -O2' dpkg-buildflags --get CXXFLAGS)"
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$out" -j"$jobs"
(cd "$out" && cpack -G DEB)
ls "$out"/tz-arko5_*.deb
