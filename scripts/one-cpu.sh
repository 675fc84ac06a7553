#!/usr/bin/env bash
# Runs a command, and Wine under it, on one CPU:
#
#   scripts/one-cpu.sh <command> [args...]
#
# On a virtual machine an idle CPU is slow to wake, and nearly every Win32 call
# under Wine is a round trip to the wineserver or to X. On one CPU those round
# trips are an order of magnitude faster (GetUpdateRgn: 78 us across CPUs, 5 us
# on one, on this machine kind). With PRICKVERKET_ONE_CPU set beforehand, or
# where taskset is refused, the command runs as it is.
set -euo pipefail
if [ -z "${PRICKVERKET_ONE_CPU:-}" ]; then
    cpu=$(taskset -pc $$ 2>/dev/null | sed 's/.*: *//; s/[-,].*//')
    export PRICKVERKET_ONE_CPU=${cpu:-none}
    if taskset -c "$cpu" true 2>/dev/null; then exec taskset -c "$cpu" "$@"; fi
fi
exec "$@"
