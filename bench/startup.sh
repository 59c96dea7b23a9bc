#!/usr/bin/env bash
# Start-up of the game under Xvfb, measured with public tools beside a minimal
# Qt 6 Widgets window (bench/minimal_window.cpp, built here) as the floor:
#   start-up   milliseconds from exec until the window is shown and painted
#              (the program prints the wall clock after its first paint and
#              quits when ZERDO_QUIT_AFTER_PAINT is set)
#   peak RSS   maximum resident memory in KiB (GNU time)
# each the median of RUNS runs (the two programs taking turns) after one
# warm-up run each, and the game's idle CPU (its 300 ms clock running,
# nothing else happening) over IDLE_SECONDS.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
RUNS=${RUNS:-7}
IDLE_SECONDS=${IDLE_SECONDS:-10}
game=$BUILD/zerdo
floor=$BUILD/minimal-window
[ -x "$game" ] || { echo "startup.sh: $game is missing; run make build first" >&2; exit 1; }

if [ ! -x "$floor" ] || [ bench/minimal_window.cpp -nt "$floor" ]; then
  # shellcheck disable=SC2046
  g++ -O2 -std=c++17 -fPIC bench/minimal_window.cpp -o "$floor" $(pkg-config --cflags --libs Qt6Widgets)
fi

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own.
display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X${display}" ] && break; sleep 0.05; done
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb
# The player's settings are not touched; the game starts as on a second run.
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print "-"; else if (NR % 2) print v[(NR + 1) / 2]; else print int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# One run: "milliseconds peak-KiB".
run_once() {
  local t0 out
  t0=$(date +%s%3N)
  out=$(ZERDO_QUIT_AFTER_PAINT=1 /usr/bin/time -o "$work/time" -f "%M" "$1" 2>/dev/null)
  local painted
  painted=$(sed -n 's/^first-paint-ms //p' <<<"$out")
  [ -n "$painted" ] || { echo "startup.sh: $1 did not report its first paint" >&2; exit 1; }
  echo "$((painted - t0)) $(tail -n 1 "$work/time")"
}

# The two programs take turns, run for run, so that whatever else the machine
# is doing weighs on both alike.
run_once "$game" >/dev/null  # warm-up: file cache, settings file, fonts
run_once "$floor" >/dev/null
for _ in $(seq "$RUNS"); do
  run_once "$game" >>"$work/game"
  run_once "$floor" >>"$work/floor"
done
game_ms=$(cut -d' ' -f1 "$work/game" | median) game_kb=$(cut -d' ' -f2 "$work/game" | median)
floor_ms=$(cut -d' ' -f1 "$work/floor" | median) floor_kb=$(cut -d' ' -f2 "$work/floor" | median)

# Idle CPU: CPU ticks of the running game over IDLE_SECONDS, after it settled.
"$game" >/dev/null 2>&1 &
game_pid=$!
sleep 3
ticks() { awk '{ print $14 + $15 }' "/proc/$game_pid/stat"; }
before=$(ticks)
sleep "$IDLE_SECONDS"
after=$(ticks)
kill "$game_pid" && wait "$game_pid" 2>/dev/null || true
game_pid=""
idle=$(awk -v t="$((after - before))" -v hz="$(getconf CLK_TCK)" -v s="$IDLE_SECONDS" \
  'BEGIN { printf "%.2f", 100 * t / hz / s }')

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
printf '%-26s %12s %12s %8s\n' "median of $RUNS runs" "zerdo" "minimal Qt" "ratio"
printf '%-26s %12s %12s %8s\n' "start-up to first paint ms" "$game_ms" "$floor_ms" "$(ratio "$game_ms" "$floor_ms")"
printf '%-26s %12s %12s %8s\n' "peak resident memory KiB" "$game_kb" "$floor_kb" "$(ratio "$game_kb" "$floor_kb")"
printf '%-26s %12s\n' "idle CPU % (${IDLE_SECONDS} s)" "$idle"
