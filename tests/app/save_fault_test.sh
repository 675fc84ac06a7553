#!/usr/bin/env bash
# Runs app_save_fault_test.exe against a read-only file system and a full one.
# Both are small tmpfs mounts in a private mount namespace, so nothing leaks to
# the machine, and they stop writes even for root, who ignores permission bits.
# The wineserver opens files for the program, so it must live in the same
# namespace: the test gets a Wine session of its own there, on a prefix that
# overlays the build's prefix (changes go to a scratch folder, never to it).
#   save_fault_test.sh WINE_UNMANAGED_EXE SAVE_FAULT_TEST_EXE [gtest options]
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(cd "$here/../.." && pwd)

fail() {
    echo "save_fault_test: $*" >&2
    exit 1
}

if [ -z "${SAVE_FAULT_NAMESPACE:-}" ]; then
    export SAVE_FAULT_NAMESPACE=1
    if [ "$(id -u)" -eq 0 ]; then
        exec unshare --mount --propagation private bash "$0" "$@"
    fi
    # Unprivileged: a user namespace maps us to root inside, which may mount tmpfs.
    exec unshare --user --map-root-user --mount --propagation private bash "$0" "$@"
fi

unmanaged=$1
program=$2
shift 2
[ -f "$unmanaged" ] && [ -f "$program" ] || fail "no such programs: $unmanaged $program"

# The outer session's prefix (or the build's) is the lower layer; a session of
# the outer test run must not be reused, its wineserver is outside.
outer_prefix=${WINEPREFIX:-$root/build/win64/wineprefix}
unset PRICKVERKET_WINE_SESSION WINEPREFIX

work=$(mktemp -d "${TMPDIR:-/tmp}/prickverket-savefault.XXXXXX")
cleanup() {
    for m in "$work/prefix" "$work/readonly" "$work/full" "$work/layers"; do
        umount "$m" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

fresh_mount() { # fresh_mount NAME OPTIONS -> a new, empty tmpfs
    mkdir "$work/$1"
    mount -t tmpfs -o "$2" tmpfs "$work/$1" || fail "cannot mount a tmpfs on $work/$1"
}

# An icon-sized old file in each: a directory entry and a 32 x 32 header, then
# a byte pattern that the test compares after every failed save.
old_icon() {
    /usr/bin/python3 - "$1" <<'EOF'
import struct, sys
head = struct.pack("<HHH BBBBHHII", 0, 1, 1, 32, 32, 16, 0, 1, 4, 744, 22)
bitmap = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 4, 0, 640, 0, 0, 0, 0)
body = bytes((i * 7 + 3) % 256 for i in range(744 - 40))
open(sys.argv[1], "wb").write(head + bitmap + body)
EOF
}

fresh_mount readonly size=1m
old_icon "$work/readonly/old.ico"
mount -o remount,ro "$work/readonly" || fail "cannot make $work/readonly read-only"
touch "$work/readonly/probe" 2>/dev/null && fail "the read-only mount still takes files"

fresh_mount full size=64k
old_icon "$work/full/old.ico"
dd if=/dev/zero of="$work/full/filler" bs=4096 2>/dev/null || true
printf x >>"$work/full/filler" 2>/dev/null && fail "the full mount still has room"

# The prefix: the outer one under an overlay whose changes land in a tmpfs.
# Its registry is copied up first, so the outer wineserver's saves do not show.
mkdir "$work/prefix"
if [ -f "$outer_prefix/system.reg" ]; then
    fresh_mount layers size=512m
    mkdir "$work/layers/upper" "$work/layers/work"
    cp -a "$outer_prefix"/*.reg "$work/layers/upper/"
    mount -t overlay overlay \
        -o "lowerdir=$outer_prefix,upperdir=$work/layers/upper,workdir=$work/layers/work" \
        "$work/prefix" || fail "cannot overlay the Wine prefix $outer_prefix"
else
    echo "save_fault_test: no prefix at $outer_prefix; a new one is made (slow)" >&2
fi

winpath() { echo "Z:${1//\//\\}"; }
export WINEPREFIX=$work/prefix
"$root/scripts/wine-session.sh" bash -c '
    wine "$1" "$(basename "$2")" || exit 1
    shift
    exec wine "$@"
' session "$unmanaged" "$program" "$(winpath "$work/readonly")" "$(winpath "$work/full")" "$@"
