#!/usr/bin/env bash
# Installs what is missing, builds both builds and the release zip, and runs every test:
#   1. native: the icon core's unit tests, save faults, a short fuzzing run, the zip;
#   2. under Wine on a private Xvfb display: the Win32 tests and the end-to-end flow.
# Any failure, including Wine or the display not starting, fails the run. The
# benchmarks are not run here: scripts/bench.sh runs them.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh all
scripts/release.sh

log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT
status=0

echo "== native tests"
ctest --test-dir build/native --output-on-failure -j 2 | tee "$log/native" || status=1

echo "== Win32 and end-to-end tests under Wine"
WINEPREFIX="$root/build/win64/wineprefix" scripts/wine-session.sh \
    ctest --test-dir build/win64 --output-on-failure | tee "$log/win64" || status=1

# The test budget: tracked text under tests/ against the product's lines.
lines() { git ls-files -- "$@" | grep -vE '\.(ico|bin|png|bmp)$|/fuzz_corpus/' |
    while read -r f; do grep -Iq . "$f" && cat "$f"; done | wc -l; }
tests=$(lines tests)
product=$(lines app icon toolkit resources)
ratio=$(awk -v t="$tests" -v p="$product" 'BEGIN { printf "%.2f", t / p }')
echo "tests: $tests lines, product: $product lines, ratio $ratio (budget 0.40)"
if awk -v t="$tests" -v p="$product" 'BEGIN { exit !(t > 0.4 * p) }'; then
    echo "tests are over the budget of 0.4 x the product" >&2
    status=1
fi

# One closing line over both runs.
passed=0 failed=0 skipped=0
for f in "$log/native" "$log/win64"; do
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$f" | tail -n1 || true)
    if [ -z "$line" ]; then
        echo "no test summary in the $(basename "$f") run" >&2
        status=1
        continue
    fi
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*tests passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
    skip=$(grep -cE '\*\*\*Skipped|Not Run' "$f" || true)
    passed=$((passed + total - bad - skip))
    failed=$((failed + bad))
    skipped=$((skipped + skip))
done
[ "$failed" -eq 0 ] || status=1
echo "$passed passed, $failed failed, $skipped skipped"
exit "$status"
