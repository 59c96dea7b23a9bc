#!/usr/bin/env bash
# Takes the screenshot the software centres show (data/screenshots/zerdo-3x3.png):
# the game as a new player in an English locale first sees it, under a
# virtual X display, cut to the window.
#   tools/screenshot.sh [BUILD]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=data/screenshots/zerdo-3x3.png
scratch=$(mktemp -d)
trap 'rm -rf -- "$scratch"' EXIT
cat >"$scratch/take.sh" <<'INNER'
set -euo pipefail
game=$1 scratch=$2
XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data HOME=$scratch LANG=en_US.UTF-8 \
  "$game" &
pid=$!
sleep 4
import -window root "$scratch/root.png"
kill "$pid"
wait "$pid" || true
INNER
xvfb-run -a -s "-screen 0 1280x1024x24" bash "$scratch/take.sh" "$PWD/$build/zerdo" "$scratch"
# The window is what is not the display's black; no date in the file.
convert "$scratch/root.png" -bordercolor black -border 1 -trim +repage -strip \
  -define png:exclude-chunks=date,time "$out"
echo "$out"
