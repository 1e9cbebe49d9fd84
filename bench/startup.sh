#!/usr/bin/env bash
# Start-up to a shown window on the sample budget, then Quit: the median
# wall time of several runs of `orrinwick --quit-when-shown FILE` under one
# Xvfb, with throwaway settings (the About window of a first start is
# skipped by storing the version first). Usage: bench/startup.sh [BINARY] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
program=$(realpath "${1:-build/orrinwick}")
runs=${2:-15}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config/Orrinwick" "$work/runtime"
chmod 700 "$work/runtime"
cp examples/household-2026.txt "$work/budget.txt"
printf '[General]\nCurrentVersion=%s\n' "$("$program" --version | awk '{print $2}')" \
    > "$work/config/Orrinwick/Orrinwick.conf"

export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
export PROGRAM="$program" BUDGET="$work/budget.txt" RUNS="$runs"
xvfb-run -a sh -c '
    for i in $(seq "$RUNS"); do
        start=$(date +%s%N)
        "$PROGRAM" --quit-when-shown "$BUDGET" || exit 1
        echo $(( ($(date +%s%N) - start) / 1000000 ))
    done' | sort -n | awk -v runs="$runs" '
    { t[NR] = $1 }
    END { printf "start-up to shown window and quit, %d runs: median %d ms, min %d ms, max %d ms\n",
                 runs, t[int((NR + 1) / 2)], t[1], t[NR] }'
