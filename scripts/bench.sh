#!/usr/bin/env bash
# Figures of the programs, under Wine, in one run:
#  - start to loaded desktop (23 shortcuts) against a bare window's first frame;
#  - size of each 32-bit program as built (stripped), the one that ships;
#  - rebuilding the shortcut list for a big folder against the bare platform
#    calls (BENCH_LIST_ARGS: [entries] [rounds]);
#  - idle CPU of the loaded shell (BENCH_IDLE_SECONDS, default 60).
set -eu
cd "$(dirname "$0")/.."
scripts/build.sh >/dev/null
build="$PWD/build/x64"
VELMORA_PREFIX="$build/bench-prefix"
. scripts/wine-env.sh
velmora_start private
wine "$build/VelmoraDemo.exe" --count 23 >/dev/null
wine reg add 'HKLM\SoftWare\Microsoft\Windows\CurrentVersion\Run' /v x /d x /f /reg:64 >/dev/null 2>&1

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
runs=${BENCH_RUNS:-7}
bare=(); shell=()
for i in $(seq "$runs"); do
    bare+=("$(wine "$build/tests/LaunchTimer.exe" "$build/tests/FirstPaint.exe" painted)")
    shell+=("$(wine "$build/tests/LaunchTimer.exe" "$build/Dovrane.exe" "Bureau de : ")")
done
b=$(printf '%s\n' "${bare[@]}" | median)
s=$(printf '%s\n' "${shell[@]}" | median)
echo "bare window, first frame:        ${b} ms (median of $runs: ${bare[*]})"
echo "Dovrane, loaded 23-icon desktop: ${s} ms (median of $runs: ${shell[*]})"
awk -v s="$s" -v b="$b" 'BEGIN {printf "ratio:                           %.2f (aim: at most 1.3)\n", s / b}'

for p in Dovrane Quorvel; do
    echo "$p.exe (32-bit, as built): $(stat -c %s "$PWD/build/x86/$p.exe") bytes (aim: at most 524288, 512 KB)"
done

wine "$build/tests/list_bench.exe" ${BENCH_LIST_ARGS:-}

seconds=${BENCH_IDLE_SECONDS:-60}
wine "$build/Dovrane.exe" >/dev/null 2>&1 &
sleep 5
# This build's shell, not one that another checkout runs on the same machine.
exe=$(winepath -w "$build/Dovrane.exe")
pid=$(pgrep -af 'Dovrane.exe' | grep -iF "$exe" | head -1 | cut -d' ' -f1)
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
t0=$(ticks); sleep "$seconds"; t1=$(ticks)
hz=$(getconf CLK_TCK)
awk -v d=$((t1 - t0)) -v hz="$hz" -v s="$seconds" \
    'BEGIN {printf "idle CPU of the loaded shell:    %.3f%% of one core over %d s (aim: at most 0.1%%)\n", 100 * d / hz / s, s}'
