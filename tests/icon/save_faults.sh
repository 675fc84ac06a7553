#!/usr/bin/env bash
# save_faults.sh NATIVE_TEST WIN32_TEST_EXE: saves onto read-only, full, and full and inode-less
# tmpfs mounts, natively and under Wine, in a private mount namespace. 77 (skipped) if refused.
set -euo pipefail
skip() { echo "save_faults: skipped: $*" >&2; exit 77; }
if [ -z "${ICON_SAVE_NAMESPACE:-}" ]; then # run again in a namespace of its own
    export ICON_SAVE_NAMESPACE=1
    ns=(--mount --propagation private)
    [ "$(id -u)" -eq 0 ] || ns+=(--user --map-root-user) # there, a user may mount tmpfs
    unshare "${ns[@]}" true 2>/dev/null || skip "no private mount namespace here"
    exec unshare "${ns[@]}" bash "$0" "$@"
fi
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/icon-save-faults.XXXXXX")
trap 'rc=$?; umount "$work/prefix" "$work"/* 2>/dev/null || true; rm -rf "$work"; exit $rc' EXIT
cd "$work"
for m in readonly:1m full:64k noroom:64k,nr_inodes=8 layers:512m; do
    mkdir "${m%:*}"
    mount -t tmpfs -o "size=${m#*:}" tmpfs "${m%:*}" || skip "cannot mount a tmpfs here"
    head -c 3000 /dev/urandom >"${m%:*}/old.ico"
done
mount -o remount,ro readonly || skip "cannot make a tmpfs read-only"
head -c 100 /dev/urandom >noroom/old-short.ico # it grows, where old.ico shrinks
truncate -s 3000 noroom/hole.ico # no block of its own: a write into it needs room
for d in full noroom; do dd if=/dev/zero of=$d/filler bs=4096 2>/dev/null || true; done
touch noroom/{1..8} 2>/dev/null || true # there, no temporary fits: saves go in place
ICON_FAULTS=$work "$1" --gtest_filter='Writer.*'
head -c 3000 /dev/urandom >noroom/old.ico && head -c 100 /dev/urandom >noroom/old-short.ico # anew
[ -f "$2" ] || skip "native half passed; no Win32 build at $2 for the Wine half"
# Wine's server opens the files, so one runs in here, on an overlay of the prefix.
prefix=${WINEPREFIX:-$(dirname "$2")/../wineprefix} l=$work/layers
mkdir prefix layers/upper layers/work
if [ -f "$prefix/system.reg" ]; then
    cp -a "$prefix"/*.reg layers/upper/
    mount -t overlay overlay -o "lowerdir=$prefix,upperdir=$l/upper,workdir=$l/work" \
        prefix || skip "cannot overlay the Wine prefix $prefix"
fi
w="Z:${work//\//\\}" # the same folders, as Wine names them
ICON_FAULTS=$w WINEPREFIX=$work/prefix "$root/scripts/wine-session.sh" wine "$2" \
    --gtest_filter='Writer.*'
