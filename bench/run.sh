#!/usr/bin/env bash
# Measures, side by side in one run, the per-category monthly totals of one
# large budget computed by `orrinwick --report`, by ledger on the equivalent
# journal, and by bench/sum_budget.py. Processor time (user + system), wall
# time and peak memory come from /usr/bin/time; each tool runs three times
# and its run with the least processor time counts. Processor time is the
# fair measure on a machine that other work shares; all three tools run on
# one thread.
#
# Usage: bench/run.sh [BUILD_DIR] [ENTRIES]   (defaults: build, 1000000)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../build}" && pwd)
entries=${2:-1000000}
data=$build/bench-data
budget=$data/budget-$entries.txt
journal=$data/budget-$entries.ledger
mkdir -p "$data"

for tool in /usr/bin/time ledger python3 "$build/orrinwick" "$build/orrinwick_bench"; do
    command -v "$tool" > /dev/null || { echo "missing: $tool" >&2; exit 1; }
done
[ -f "$budget" ] && [ -f "$journal" ] || "$build/orrinwick_bench" generate "$entries" "$budget" "$journal"

# The two computations must agree before their speed means anything.
paste <("$build/orrinwick" --report "$budget" | tail -n +4 | cut -f 1-13) \
      <(python3 "$here/sum_budget.py" "$budget") |
    awk -F'\t' '{ for (i = 2; i <= 13; i++) if ($i - $(i + 13) != 0) { print "totals differ: " $0; exit 1 } }'

best() { # label, command...: prints "label cpu_s wall_s KiB" of the run with the least processor time
    local label=$1 best_cpu="" best_wall="" best_k=""
    shift
    for _ in 1 2 3; do
        /usr/bin/time -f "%e %U %S %M" -o "$data/time.out" "$@" > /dev/null
        read -r wall user system kib < "$data/time.out"
        cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.2f", u + s }')
        if [ -z "$best_cpu" ] || awk -v a="$cpu" -v b="$best_cpu" 'BEGIN { exit !(a < b) }'; then
            best_cpu=$cpu best_wall=$wall best_k=$kib
        fi
    done
    echo "$label $best_cpu $best_wall $best_k"
}

{
    best orrinwick "$build/orrinwick" --report "$budget"
    best python python3 "$here/sum_budget.py" "$budget"
    best ledger ledger -f "$journal" -M reg '^Expenses'
} > "$data/results.txt"

echo "$entries entries, $(du -m "$budget" | cut -f 1) MB budget file, $(du -m "$journal" | cut -f 1) MB journal," \
     "$(nproc) processors, load average $(cut -d ' ' -f 1 /proc/loadavg)"
echo
echo "| tool | command | processor s | wall s | peak MiB | processor time vs orrinwick | wall time vs orrinwick | peak memory vs orrinwick |"
echo "|---|---|---:|---:|---:|---:|---:|---:|"
awk -v budget="$(basename "$budget")" -v journal="$(basename "$journal")" '
    BEGIN {
        cmd["orrinwick"] = "orrinwick --report " budget
        cmd["python"] = "python3 sum_budget.py " budget
        cmd["ledger"] = "ledger -f " journal " -M reg ^Expenses"
    }
    NR == 1 { base_cpu = $2; base_wall = $3; base_k = $4 }
    {
        printf "| %s | `%s` | %.2f | %.2f | %.0f | %.1f× | %.1f× | %.2f× |\n", $1, cmd[$1], $2, $3, $4 / 1024,
               $2 / base_cpu, $3 / base_wall, $4 / base_k
    }' "$data/results.txt"
