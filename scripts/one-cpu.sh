#!/usr/bin/env bash
# Runs a command, and Wine under it, on one CPU:
#
#   scripts/one-cpu.sh <command> [args...]
#
# On a virtual machine an idle CPU is slow to wake, and nearly every Win32 call
# under Wine is a round trip to the wineserver or to X. On one CPU those round
# trips are an order of magnitude faster (GetUpdateRgn: 78 us across CPUs, 5 us
# on one, on this machine kind). The CPU is the first one the caller may use,
# so `taskset -c 1 scripts/one-cpu.sh ...` runs on CPU 1.
#
# PRICKVERKET_ALL_CPUS=1 runs the command unpinned, on every CPU it may use; so
# does a system where taskset is refused. PRICKVERKET_PINNED_TO tells nested
# scripts that the choice is made (a CPU number, or "none"), so that they
# neither pin again nor come back here.
set -euo pipefail
if [ -z "${PRICKVERKET_PINNED_TO:-}" ]; then
    export PRICKVERKET_PINNED_TO=none
    if [ "${PRICKVERKET_ALL_CPUS:-}" != 1 ]; then
        cpu=$(taskset -pc $$ 2>/dev/null | sed 's/.*: *//; s/[-,].*//')
        if [ -n "$cpu" ] && taskset -c "$cpu" true 2>/dev/null; then
            export PRICKVERKET_PINNED_TO=$cpu
            exec taskset -c "$cpu" "$@"
        fi
    fi
fi
exec "$@"
