#!/usr/bin/env bash
# Time from process start to the first painted main window, under Xvfb: the
# median of several starts. The program writes the moment of its first paint
# into the file Q5300_FIRST_PAINT_FILE names, and ends.
#   bench/startup.bench.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: bench/startup.bench.sh BUILD_DIR}
runs=${STARTUP_RUNS:-11}
cmake --build "$build" --target q5300 >/dev/null
program="$build/src/ui/q5300"

work=$(mktemp -d)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# One X server for every run; it tells its display number once it takes clients.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  sleep 0.05
done
display=":$(tr -d '\n' <"$work/display")"

# A start that fills the caches first; it is not counted.
for i in $(seq 0 "$runs"); do
  rm -f "$work/painted"
  start=$(date +%s%N)
  DISPLAY=$display QT_QPA_PLATFORM=xcb Q5300_DEVICE=virtual XDG_RUNTIME_DIR=$work \
    Q5300_FIRST_PAINT_FILE="$work/painted" timeout 20 "$program" >/dev/null 2>&1
  painted=$(cat "$work/painted")
  [ "$i" -gt 0 ] && echo $(( painted - start )) >>"$work/times"
done
sort -n "$work/times" | awk '{ t[NR] = $1 } END {
  m = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
  printf "window startup to first paint: %.3f s\n", m / 1e9 }'
