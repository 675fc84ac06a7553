#!/usr/bin/env bash
# Installs what is missing, builds both builds, and runs every test:
#   1. native unit, interop and fuzz tests of the icon core;
#   2. Win32 tests and end-to-end tests under Wine on a private Xvfb display;
#   3. the benchmarks, which print figures and assert nothing.
# Any failure, including Wine or the display not starting, fails the run.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh all

log=$(mktemp -d)
trap 'rm -rf "$log"' EXIT
status=0

echo "== native tests"
ctest --test-dir build/native --output-on-failure -LE bench -j 2 | tee "$log/native" || status=1

echo "== Win32 and end-to-end tests under Wine"
WINEPREFIX="$root/build/win64/wineprefix" scripts/wine-session.sh \
    ctest --test-dir build/win64 --output-on-failure -LE bench | tee "$log/win64" || status=1
# ctest keeps every program's output in LastTest.log; the benchmarks replace it.
cp build/win64/Testing/Temporary/LastTest.log "$log/win64-output" 2>/dev/null || true
echo "== soak figures (app.soak)"
sed -n -e '/^soak: /p' -e '/^soak done:/p' \
    -e '/^GDI and USER objects and memory/,/^\[ *OK \] Soak\./p' "$log/win64-output" 2>/dev/null |
    grep -v '^\[' || echo "(no soak figures: see the test output above)"

echo "== benchmarks"
# Only what the benchmarks print, without ctest's own lines.
figures() { grep -E '^[0-9]+: ' | sed 's/^[0-9]*: //' | grep -vE '^(Test command|Working Directory|Test timeout|Environment variables)' || true; }
ctest --test-dir build/native -L bench -V 2>&1 | figures
WINEPREFIX="$root/build/win64/wineprefix" scripts/wine-session.sh \
    ctest --test-dir build/win64 -L bench -V 2>&1 | figures

# One closing line over both test runs.
passed=0
failed=0
for f in "$log/native" "$log/win64"; do
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$f" | tail -n1 || true)
    if [ -z "$line" ]; then
        echo "no test summary in $(basename "$f") run" >&2
        status=1
        continue
    fi
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*tests passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done
[ "$failed" -eq 0 ] || status=1
echo "$passed passed, $failed failed"
exit "$status"
