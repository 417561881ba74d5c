#!/usr/bin/env bash
# Runs every benchmark and prints one table: the catalogue operations on a
# full catalogue (Google Benchmark), Korvant's start-up to the main window
# with and without a full catalogue auto-opened, the CPU an idle Korvant
# uses over 10 s and its peak memory with a full catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh libbenchmark-dev
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DSKELVORA_BENCH=ON -DSKELVORA_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target korvant_bench Korvant >/dev/null
bin=build-bench/bin
export QT_QPA_PLATFORM=offscreen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

profile() {  # profile DIR AUTOOPEN [CATALOGUE]
  mkdir -p "$1"
  printf 'REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Skelvora]\r\n"AutoSave"=dword:00000000\r\n"Time"=dword:0000000a\r\n"Hint"=dword:00000001\r\n"ShortCut"=dword:00000000\r\n"AutoOpen"=dword:0000000%s\r\n"LastUsed"="%s"\r\n' \
    "$2" "${3:-}" > "$1/registry.reg"
  : > "$1/database.ocp"
}
"$bin/korvant_bench" --write-full "$work/full.fmd"
profile "$work/plain" 0
profile "$work/full" 1 "$work/full.fmd"

"$bin/korvant_bench" --benchmark_format=csv 2>/dev/null > "$work/gbench.csv"

startup() {  # median of 9 runs, in ms
  local dir=$1 times=()
  for _ in 1 2 3 4 5 6 7 8 9; do
    local t0 t1
    t0=$(date +%s%N)
    SKELVORA_REGISTRY="$dir/registry.reg" SKELVORA_HOME="$dir" "$bin/korvant_bench" --startup-probe 2>/dev/null
    t1=$(date +%s%N)
    times+=($(( (t1 - t0) / 1000000 )))
  done
  printf '%s\n' "${times[@]}" | sort -n | sed -n 5p
}
start_plain=$(startup "$work/plain")
start_full=$(startup "$work/full")

# An idle Korvant with the full catalogue open: CPU over 10 s, peak memory.
SKELVORA_REGISTRY="$work/full/registry.reg" SKELVORA_HOME="$work/full" "$bin/Korvant" 2>/dev/null &
pid=$!
sleep 2
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
c0=$(ticks)
sleep 10
c1=$(ticks)
hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
kill "$pid"; wait "$pid" 2>/dev/null || true
hz=$(getconf CLK_TCK)

python3 - "$work/gbench.csv" "$start_plain" "$start_full" "$c0" "$c1" "$hz" "$hwm" "$(stat -c %s "$work/full.fmd")" <<'PY'
import csv, sys
path, plain, full, c0, c1, hz, hwm, size = sys.argv[1:]
rows = []
with open(path) as f:
    lines = [l for l in f if l.startswith('name') or l.startswith('"')]
for r in csv.DictReader(lines):
    label = r.get('label') or ''
    name = r['name'].split('/')[0].replace('BM_', '')
    rows.append((name + (f" ({label})" if label else ''), f"{float(r['real_time']):.2f} {r['time_unit']}"))
rows.append(("Korvant start to main window, no catalogue", f"{plain} ms"))
rows.append(("Korvant start to main window, full catalogue auto-opened", f"{full} ms"))
cpu = (int(c1) - int(c0)) / int(hz)
rows.append(("CPU of an idle Korvant over 10 s (full catalogue)", f"{cpu:.2f} s ({cpu * 10:.1f} %)"))
rows.append(("Peak memory of Korvant with a full catalogue", f"{int(hwm) / 1024:.1f} MiB"))
print(f"Full catalogue: 1999 records, {int(size) / 1024:.0f} KB\n")
print("| benchmark | result |\n|---|---|")
for name, value in rows:
    print(f"| {name} | {value} |")
PY
