#!/usr/bin/env bash
# Figures of the programs, under Wine, in one run:
#  - start to loaded desktop (23 shortcuts) against a bare window's first frame;
#  - the copy of a full profile from a shared profiles folder, and the start
#    with such a share set, answering or not (BENCH_COPY_ROUNDS, default 20);
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

# A room's share, served by Wine from a host folder as \\bench\velmora.
share="$build/bench-share"
rm -rf "$share" && mkdir -p "$share" "$WINEPREFIX/dosdevices/unc/bench"
ln -sfn "$share" "$WINEPREFIX/dosdevices/unc/bench/velmora"
wine "$build/tests/copy_bench.exe" '\\bench\velmora' 'C:\velmora-bench' "${BENCH_COPY_ROUNDS:-20}"
# The share then holds the demo profile itself: what the shell copies is what it shows.
rm -rf "$share"/.default*
cp -a "$WINEPREFIX"/drive_c/windows/velmo/.default* "$share/"
location='HKLM\SoftWare\ZAFO\Dovrane'
wine reg add "$location" /v Profils /d '\\bench\velmora' /f /reg:64 >/dev/null 2>&1
for state in answering down; do
    [ $state = down ] && rm "$WINEPREFIX/dosdevices/unc/bench/velmora"
    times=()
    for i in $(seq "$runs"); do times+=("$(wine "$build/tests/LaunchTimer.exe" "$build/Dovrane.exe" "Bureau de : ")"); done
    t=$(printf '%s\n' "${times[@]}" | median)
    printf 'Dovrane, share %-9s         %s ms (median of %s: %s; aim: as without one, %s ms)\n' "$state:" "$t" "$runs" \
        "${times[*]}" "$s"
done
wine reg delete "$location" /v Profils /f /reg:64 >/dev/null 2>&1

for p in Dovrane Quorvel; do
    echo "$p.exe (32-bit, as built): $(stat -c %s "$PWD/build/x86/$p.exe") bytes (aim: at most 524288, 512 KB)"
done

wine "$build/tests/list_bench.exe" ${BENCH_LIST_ARGS:-}

seconds=${BENCH_IDLE_SECONDS:-60}
# This build's shell, not one that another checkout runs on the same machine.
exe=$(winepath -w "$build/Dovrane.exe")
idle_cpu() {
    wine "$build/Dovrane.exe" >/dev/null 2>&1 &
    sleep 5
    local pid t0 t1
    pid=$(pgrep -af 'Dovrane.exe' | grep -iF "$exe" | head -1 | cut -d' ' -f1)
    t0=$(awk '{print $14 + $15}' "/proc/$pid/stat"); sleep "$seconds"; t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    awk -v d=$((t1 - t0)) -v hz="$(getconf CLK_TCK)" -v s="$seconds" -v what="$1" \
        'BEGIN {printf "idle CPU of the loaded shell%s %.3f%% of one core over %d s (aim: at most 0.1%%)\n", what, 100 * d / hz / s, s}'
    kill "$pid"
    for i in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
}
idle_cpu ":   "
# With a share its copies are checked every minute.
ln -sfn "$share" "$WINEPREFIX/dosdevices/unc/bench/velmora"
wine reg add "$location" /v Profils /d '\\bench\velmora' /f /reg:64 >/dev/null 2>&1
idle_cpu ", share set:"
wine reg delete "$location" /v Profils /f /reg:64 >/dev/null 2>&1
