#!/usr/bin/env bash
# The start of q5300-cli as a script that converts hundreds of files meets it:
# a one-page conversion as a whole process against cat of the same file (the
# median of paired ratios), and what --version alone costs: wall and CPU time,
# peak memory and the shared libraries it loads.
#   bench/cli-start.bench.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: bench/cli-start.bench.sh BUILD_DIR}" && pwd)
runs=${CLI_START_RUNS:-41}
top=$(cd "$(dirname "$0")/.." && pwd)
cmake --build "$build" --target q5300-cli >/dev/null
program="$build/src/cli/q5300-cli"

# In memory where the system has such a folder: a save flushes its file to the
# disk, and the disk's time is not the program's.
base=/dev/shm
[ -d "$base" ] && [ -w "$base" ] || base=${TMPDIR:-/tmp}
work=$(mktemp -d -p "$base")
trap 'rm -rf "$work"' EXIT
cd "$work"
printf 'W-1,,1\r\n' >one.csv

/usr/bin/python3 "$top/bench/processes.py" --name "cli convert one page" --runs "$runs" \
  --vs "cat one.csv" --vs-name "cat" -- "$program" convert one.csv one.qxk
/usr/bin/python3 "$top/bench/processes.py" --name "cli --version" --runs "$runs" \
  -- "$program" --version
# Peak memory as GNU time reads it: its children start small, unlike the
# interpreter's.
if [ -x /usr/bin/time ]; then
  for _ in $(seq "$runs"); do
    /usr/bin/time -f %M -a -o "$work/peaks" "$program" --version >/dev/null
  done
  sort -n "$work/peaks" | awk '{ k[NR] = $1 } END {
    printf "cli --version peak memory: %.3g MB\n", k[int((NR + 1) / 2)] / 1024 }'
else
  echo "cli-start.bench.sh: no peak memory without /usr/bin/time (Debian's time)" >&2
fi
# Every library the loader starts, the program's own among them.
libraries=$(LD_DEBUG=libs "$program" --version 2>&1 >/dev/null | grep -c 'calling init:')
echo "cli --version shared libraries: $libraries libraries"
