#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing need, and the
# packages named as arguments; packages already present are left alone, so a
# second run does nothing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 clang-format-14 libclang-rt-14-dev
  qt6-base-dev qt6-serialport-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev
  fonts-dejavu-core fonts-dejavu-extra
  "$@"
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
