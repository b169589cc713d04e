#!/usr/bin/env bash
# Takes a picture of every page of the window in every language, without a
# display: scripts/screenshots.sh [OUT_DIR] (default build/screenshots).
# Builds the program first when needed.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
mkdir -p "$out"
[ -x build/tz_arko5 ] || { cmake -S . -B build && cmake --build build -j"$(nproc)" --target tz_arko5; }

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
pages=(inputs bike advance servo powerout test log)
for language in ENGLISH DEUTSCH FRANCE CESKY; do
  for page in 0 1 2 3 4 5 6; do
    mkdir -p "$config/tz_arko5"
    printf '[BASIC]\nPageControl1->ActivePageIndex=%d\n' "$page" > "$config/tz_arko5/TZ_ARKO5_v91.ini"
    rm -f "$config/tz_arko5/_TZ_ARKO5_v91.ini"
    file="$out/${language,,}_${page}_${pages[$page]}.png"
    XDG_CONFIG_HOME="$config" QT_QPA_PLATFORM=offscreen \
      build/tz_arko5 "$language" --screenshot "$file" 2>/dev/null
    echo "$file"
  done
done

# The advance map in its three graph modes, with and without the TPS map, a
# replayed live-data log with the time per map cell and on the Log page in
# every language, and the comparison and restore point dialogs, the settings
# check's dialog and the trigger wheel in every language (the replay, Log
# page, dialog and wheel pictures are the manuals' pictures in manual/).
if [ -x build/tests/gui/tz_gui_tests ]; then
  TZ_SCREENSHOT_DIR="$(realpath "$out")" QT_QPA_PLATFORM=offscreen \
    build/tests/gui/tz_gui_tests \
    --gtest_filter='WindowGraphs.PicturesOfTheGraphModes:EveryLanguage/WindowReplay.*:QtComparison.PicturesOfTheDialogs:QtCheckDialog.PicturesOfTheCheckAndTheWheel' >/dev/null
  ls "$out"/graph_mode*.png "$out"/replay_*.png "$out"/log_view_*.png "$out"/compare_*.png \
    "$out"/restore_points_*.png "$out"/check_*.png "$out"/wheel_*.png
fi
