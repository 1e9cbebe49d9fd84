#!/usr/bin/env bash
# Start-up to a shown window, then Quit: the median wall time of several
# runs of `orrinwick --quit-when-shown FILE` under one Xvfb, with throwaway
# settings (the About window of a first start is skipped by storing the
# version first), on a copy of the sample budget or of BUDGET. Each run's
# processor time and peak memory come from /usr/bin/time.
# Usage: bench/startup.sh [BINARY] [RUNS] [BUDGET]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/orrinwick}")
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Orrinwick" "$work/runtime"
chmod 700 "$work/runtime"
cp "${3:-examples/household-2026.txt}" "$work/budget.txt"
printf '[General]\nCurrentVersion=%s\n' "$("$program" --version | awk '{print $2}')" \
    > "$work/config/Orrinwick/Orrinwick.conf"

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
export PROGRAM="$program" BUDGET="$work/budget.txt" RUNS="$runs" WORK="$work"
before=$(sha256sum < "$work/budget.txt")
# Each run prints: wall ms, processor ms, peak KiB.
xvfb-run -a sh -c '
    for i in $(seq "$RUNS"); do
        start=$(date +%s%N)
        /usr/bin/time -f "%U %S %M" -o "$WORK/time.out" "$PROGRAM" --quit-when-shown "$BUDGET" || exit 1
        wall=$(( ($(date +%s%N) - start) / 1000000 ))
        read -r user system kib < "$WORK/time.out"
        echo "$wall $(awk -v u="$user" -v s="$system" "BEGIN { printf \"%d\", (u + s) * 1000 }") $kib"
    done' > "$work/runs.txt"
# Quit leaves an unchanged file as it is.
[ "$(sha256sum < "$work/budget.txt")" = "$before" ] || echo "the budget file was written at Quit" >&2
median() { # column of runs.txt: its median
    cut -d ' ' -f "$1" "$work/runs.txt" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'
}
echo "$(basename "${3:-examples/household-2026.txt}"), start-up to shown window and quit, $runs runs:" \
     "median $(median 1) ms wall (min $(cut -d ' ' -f 1 "$work/runs.txt" | sort -n | head -1)," \
     "max $(cut -d ' ' -f 1 "$work/runs.txt" | sort -n | tail -1)), median $(median 2) ms processor," \
     "peak $(cut -d ' ' -f 3 "$work/runs.txt" | sort -n | tail -1 | awk '{ printf "%.0f", $1 / 1024 }') MiB"
