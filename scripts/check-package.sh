#!/usr/bin/env bash
# Checks a Debian package of the program as Debian's and the desktops' tools
# see it: lintian finds no error or warning, the AppStream metadata and the
# desktop entry validate, every screenshot the metadata names is a picture of
# the repository, and the installed size stays under 15 MB.
#
#     scripts/check-package.sh [PACKAGE.deb]    (default build-package/tz-arko5_*.deb)
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -gt 0 ]; then deb=$(realpath "$1"); else deb=$(realpath build-package/tz-arko5_*.deb); fi

scripts/install-deps.sh lintian appstream desktop-file-utils

lintian --fail-on error,warning --display-info "$deb"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$root"/usr/share/applications/*.desktop

homepage=$(dpkg-deb -f "$deb" Homepage)
for url in $(grep -o '<image[^>]*>[^<]*</image>' "$root"/usr/share/metainfo/*.metainfo.xml |
  sed 's/<[^>]*>//g'); do
  picture=${url#"$homepage"}
  [ -f "$picture" ] || { echo "screenshot $url is not a picture of the repository" >&2; exit 1; }
done

size=$(dpkg-deb -f "$deb" Installed-Size)
echo "Installed size: $size KiB"
[ "$size" -lt 15360 ] || { echo "installed size over 15 MB" >&2; exit 1; }
