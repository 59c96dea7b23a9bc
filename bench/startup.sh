#!/usr/bin/env bash
# Start-up of the game under Xvfb, measured with public tools beside the least
# a Qt 6 Widgets game window does (bench/minimal_window.cpp, built here: a
# menu bar, four status panels, a painted board, a 300 ms clock) as the floor:
#   start-up   milliseconds from exec until the window is shown and painted
#              (the program prints the wall clock after its first paint and
#              quits when ZERDO_QUIT_AFTER_PAINT is set)
#   peak RSS   maximum resident memory in KiB (GNU time)
# each the median of RUNS runs (the two programs taking turns) after one
# warm-up run each; then both left idle side by side (their clocks running,
# nothing else happening) over the same IDLE_SECONDS:
#   CPU time and context switches of each whole process (every thread,
#   those that end meanwhile included) from perf stat; where perf cannot
#   count, from the scheduler's own figures (schedstat and the switch
#   counts in /proc) of every thread alive at the start and the end
#   instructions from perf stat where the machine counts them; where it does
#   not (a virtual machine often has no counters), both programs are started
#   again under callgrind, left CALLGRIND_SETTLE seconds to come up, and
#   their instructions counted over the same IDLE_SECONDS (CALLGRIND=0 skips
#   this)
# PERF=0 measures as where perf is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${BUILD:-build}
RUNS=${RUNS:-7}
IDLE_SECONDS=${IDLE_SECONDS:-10}
PERF=${PERF:-1}
CALLGRIND=${CALLGRIND:-1}
CALLGRIND_SETTLE=${CALLGRIND_SETTLE:-20}
game=$BUILD/zerdo
floor=$BUILD/minimal-window
[ -x "$game" ] || { echo "startup.sh: $game is missing; run make build first" >&2; exit 1; }

if [ ! -x "$floor" ] || [ bench/minimal_window.cpp -nt "$floor" ] ||
  [ bench/floor_window.h -nt "$floor" ]; then
  # shellcheck disable=SC2046
  g++ -O2 -std=c++17 -fPIC bench/minimal_window.cpp -o "$floor" $(pkg-config --cflags --libs Qt6Widgets)
fi

work=$(mktemp -d)
xvfb_pid=""
game_pid=""
floor_pid=""
cleanup() {
  [ -n "$game_pid" ] && kill "$game_pid" 2>/dev/null || true
  [ -n "$floor_pid" ] && kill "$floor_pid" 2>/dev/null || true
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

# Idle: both programs running at once, measured over the same seconds.
"$game" >/dev/null 2>&1 &
game_pid=$!
"$floor" >/dev/null 2>&1 &
floor_pid=$!
sleep 3
perf_ok=0 perf_ins=0
if [ "$PERF" = 1 ] && command -v perf >/dev/null && perf stat -e task-clock -- true >/dev/null 2>&1; then
  perf_ok=1
  perf stat -x, -e instructions -- true 2>&1 | grep -q '^[0-9][0-9]*,' && perf_ins=1
fi
# The scheduler's figures of every thread of pid: "tid cpu-ns switches" a line.
threads_of() {
  local task
  for task in /proc/"$1"/task/*; do
    [ -r "$task/schedstat" ] || continue
    awk -v tid="${task##*/}" 'FNR == 1 && FILENAME ~ /schedstat$/ { ns = $1 }
      /^(voluntary|nonvoluntary)_ctxt_switches:/ { sw += $2 }
      END { if (ns != "") print tid, ns, sw + 0 }' "$task/schedstat" "$task/status" 2>/dev/null || true
  done
}
# One program's idle figures: "cpu-ms switches instructions" ("-" when not counted).
idle_of() {
  local pid=$1 out=$work/idle.$1
  if [ "$perf_ok" = 1 ]; then
    perf stat -x, -e task-clock,context-switches,instructions -p "$pid" -o "$out" -- sleep "$IDLE_SECONDS" >/dev/null 2>&1
    awk -F, '$3 == "task-clock" { c = $1 } $3 == "context-switches" { s = $1 }
      $3 ~ /^instructions/ { i = ($1 ~ /^[0-9.]+$/) ? $1 : "-" }
      END { printf "%.0f %s %s\n", c, (s == "" ? "-" : s), (i == "" ? "-" : i) }' "$out"
  else
    threads_of "$pid" >"$out.before"
    sleep "$IDLE_SECONDS"
    threads_of "$pid" >"$out.after"
    # Threads started meanwhile count from zero; those that ended are lost.
    awk 'NR == FNR { ns[$1] = $2; sw[$1] = $3; next }
      { c += $2 - ns[$1]; s += $3 - sw[$1] }
      END { printf "%.0f %d -\n", c / 1e6, s }' "$out.before" "$out.after"
  fi
}
idle_of "$game_pid" >"$work/idle_game" &
game_idle_pid=$!
idle_of "$floor_pid" >"$work/idle_floor" &
wait "$game_idle_pid" $!
kill "$game_pid" "$floor_pid" 2>/dev/null || true
wait "$game_pid" "$floor_pid" 2>/dev/null || true
game_pid="" floor_pid=""
read -r game_cpu game_sw game_ins <"$work/idle_game"
read -r floor_cpu floor_sw floor_ins <"$work/idle_floor"
cpu_from=$([ "$perf_ok" = 1 ] && echo perf || echo schedstat)
ins_from=perf

# Instructions where perf does not count them: both programs again, each
# under callgrind, its counts zeroed once it is up and dumped IDLE_SECONDS
# later.
if [ "$perf_ins" = 0 ] && [ "$CALLGRIND" = 1 ] && command -v valgrind >/dev/null &&
  command -v callgrind_control >/dev/null; then
  ins_from=callgrind
  valgrind --tool=callgrind --callgrind-out-file="$work/cg.game" "$game" >/dev/null 2>&1 &
  game_pid=$!
  valgrind --tool=callgrind --callgrind-out-file="$work/cg.floor" "$floor" >/dev/null 2>&1 &
  floor_pid=$!
  sleep "$CALLGRIND_SETTLE"
  callgrind_control -z "$game_pid" >/dev/null 2>&1
  callgrind_control -z "$floor_pid" >/dev/null 2>&1
  sleep "$IDLE_SECONDS"
  callgrind_control -d "$game_pid" >/dev/null 2>&1
  callgrind_control -d "$floor_pid" >/dev/null 2>&1
  kill "$game_pid" "$floor_pid" 2>/dev/null || true
  wait "$game_pid" "$floor_pid" 2>/dev/null || true
  game_pid="" floor_pid=""
  # The first dump after zeroing holds the idle seconds alone.
  summary() { sed -n 's/^summary: *//p' "$1.1" 2>/dev/null | head -n 1; }
  game_ins=$(summary "$work/cg.game") floor_ins=$(summary "$work/cg.floor")
  game_ins=${game_ins:--} floor_ins=${floor_ins:--}
fi
per_s() { awk -v v="$1" -v s="$IDLE_SECONDS" 'BEGIN { if (v == "-") print "-"; else printf "%.1f", v / s }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "-" && b != "-" && b > 0) printf "%.2f", a / b; else print "-" }'; }
printf '%-32s %12s %12s %8s\n' "median of $RUNS, idle ${IDLE_SECONDS} s" "zerdo" "floor" "ratio"
printf '%-32s %12s %12s %8s\n' "start-up to first paint ms" "$game_ms" "$floor_ms" "$(ratio "$game_ms" "$floor_ms")"
printf '%-32s %12s %12s %8s\n' "peak resident memory KiB" "$game_kb" "$floor_kb" "$(ratio "$game_kb" "$floor_kb")"
printf '%-32s %12s %12s %8s\n' "idle CPU ms/s ($cpu_from)" "$(per_s "$game_cpu")" "$(per_s "$floor_cpu")" "$(ratio "$game_cpu" "$floor_cpu")"
printf '%-32s %12s %12s %8s\n' "idle switches/s" "$(per_s "$game_sw")" "$(per_s "$floor_sw")" "$(ratio "$game_sw" "$floor_sw")"
printf '%-32s %12s %12s %8s\n' "idle instructions/s ($ins_from)" "$(per_s "$game_ins")" "$(per_s "$floor_ins")" "$(ratio "$game_ins" "$floor_ins")"
printf '%-32s %s\n' "load average" "$(cut -d' ' -f1-3 /proc/loadavg)"
