#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60),
# all at once, each from a corpus seeded with the test fixtures. Findings land
# in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
bash scripts/deps.sh clang
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DSKELVORA_FUZZ=ON -DSKELVORA_GUI=OFF -DSKELVORA_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j"$(nproc)"
mkdir -p build-fuzz/findings
declare -A seeds=([catalogue_reader]=fmd [occupier_reader]=ocp [registry_reader]=reg)
pids=()
for target in catalogue_reader occupier_reader registry_reader; do
  corpus=build-fuzz/corpus/$target
  mkdir -p "$corpus"
  cp tests/data/*."${seeds[$target]}" "$corpus/" 2>/dev/null || true
  ( build-fuzz/fuzz/fuzz_$target "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix=build-fuzz/findings/$target- > build-fuzz/$target.log 2>&1
    echo "$target: exit $? ($(grep -E '^(Done|#[0-9]+.*DONE)' build-fuzz/$target.log | tail -n 1))" ) &
  pids+=($!)
done
status=0
for p in "${pids[@]}"; do wait "$p" || status=1; done
ls build-fuzz/findings
exit $status
