#!/usr/bin/env bash
# The long fuzzing campaign of the icon reader, under AddressSanitizer and
# UndefinedBehaviorSanitizer, checked against the literal reference reader.
#   scripts/fuzz.sh [RUNS] [JOBS]
# RUNS executions in all (10,000,000 unless given), split over JOBS processes
# (1 unless given). The corpus grows in build/native/fuzz-campaign/corpus and
# is kept between runs; an input that fails is written to
# build/native/fuzz-campaign/findings and the command fails.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-10000000}
jobs=${2:-1}

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" native icon_reader_fuzzer

fuzzer="$root/build/native/tests/icon/icon_reader_fuzzer"
work="$root/build/native/fuzz-campaign"
mkdir -p "$work/corpus" "$work/findings"
# Each input goes through a file: keep those files in memory when possible.
export TMPDIR=/dev/shm
[ -w /dev/shm ] || export TMPDIR=/tmp

start=$(date +%s)
pids=()
for job in $(seq 1 "$jobs"); do
    share=$((runs / jobs + (job <= runs % jobs ? 1 : 0)))
    "$fuzzer" -runs="$share" -max_len=8192 -use_value_profile=1 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -seed="$job" \
        -artifact_prefix="$work/findings/" "$work/corpus" "$root/tests/icon/fuzz_corpus" \
        >"$work/job$job.log" 2>&1 &
    pids+=($!)
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done

total=0
for job in $(seq 1 "$jobs"); do
    done_runs=$(grep -E '^stat::number_of_executed_units' "$work/job$job.log" | awk '{print $2}' || true)
    total=$((total + ${done_runs:-0}))
    [ -n "$done_runs" ] || { tail -n 30 "$work/job$job.log" >&2; status=1; }
done
findings=$(find "$work/findings" -type f | wc -l)
echo "fuzz campaign: $total executions in $(($(date +%s) - start)) s, $jobs job(s), $findings finding(s), corpus of $(find "$work/corpus" -type f | wc -l) inputs"
[ "$findings" -eq 0 ] || { find "$work/findings" -type f >&2; status=1; }
exit "$status"
