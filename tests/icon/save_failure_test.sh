#!/usr/bin/env bash
# Saving where it cannot succeed: a read-only folder and a full file system.
# Each case gets a small tmpfs in a private mount namespace, so nothing leaks
# to the machine, and it works when run as root (who ignores permission bits).
#   save_failure_test.sh ICON_TOOL
set -euo pipefail
tool=$1

if [ -z "${ICON_SAVE_NAMESPACE:-}" ]; then
    export ICON_SAVE_NAMESPACE=1
    if [ "$(id -u)" -eq 0 ]; then
        exec unshare --mount --propagation private bash "$0" "$@"
    fi
    # Unprivileged: a user namespace maps us to root inside, which may mount tmpfs.
    exec unshare --user --map-root-user --mount --propagation private bash "$0" "$@"
fi

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# 48 palette values and 1024 cells, every cell the given value.
document() {
    seq 0 47
    printf "$1 %.0s" $(seq 1024)
}

save() { # save PATH VALUE -> WriteIconFile's result
    local rc=0
    document "$2" | "$tool" write "$1" || rc=$?
    echo "$rc"
}

work=$(mktemp -d "${TMPDIR:-/tmp}/prickverket-save.XXXXXX")
cleanup() {
    for m in "$work"/*; do umount "$m" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

fresh_mount() { # fresh_mount NAME OPTIONS -> a new, empty tmpfs
    local dir=$work/$1
    mkdir "$dir"
    mount -t tmpfs -o "$2" tmpfs "$dir" || { echo "cannot mount a tmpfs on $dir" >&2; exit 1; }
    echo "$dir"
}

# 1. A read-only folder: an existing icon stays as it was, a new one is not made.
dir=$(fresh_mount readonly size=1m)
[ "$(save "$dir/old.ico" 3)" = 0 ] || fail "read-only: could not prepare the old icon"
cp "$dir/old.ico" "$work/old-copy"
mount -o remount,ro "$dir"
touch "$dir/probe" 2>/dev/null && fail "read-only: the folder is still writable"
[ "$(save "$dir/old.ico" 5)" = 1 ] || fail "read-only: saving over an icon did not give 1"
cmp -s "$dir/old.ico" "$work/old-copy" || fail "read-only: the old icon changed"
[ "$(save "$dir/new.ico" 5)" = 1 ] || fail "read-only: saving a new icon did not give 1"
[ "$(ls "$dir")" = old.ico ] || fail "read-only: folder now holds $(ls "$dir" | tr '\n' ' ')"
echo "read-only folder: checked"

# 2. A full file system: the save fails, the old icon is intact, no temporary is left.
dir=$(fresh_mount full size=64k)
[ "$(save "$dir/old.ico" 3)" = 0 ] || fail "full: could not prepare the old icon"
cp "$dir/old.ico" "$work/old-copy"
dd if=/dev/zero of="$dir/filler" bs=4096 2>/dev/null || true
printf x >>"$dir/filler" 2>/dev/null && fail "full: the file system still has room"
[ "$(save "$dir/old.ico" 5)" = 1 ] || fail "full: saving did not give 1"
cmp -s "$dir/old.ico" "$work/old-copy" || fail "full: the old icon changed"
[ "$(ls "$dir" | tr '\n' ' ')" = "filler old.ico " ] || fail "full: folder holds $(ls "$dir" | tr '\n' ' ')"
echo "full file system: checked"

# 3. No file can be added to the folder (no inodes left) but the icon itself can be
#    rewritten: the save goes in place and succeeds.
dir=$(fresh_mount inodes size=1m,nr_inodes=2)
[ "$(save "$dir/old.ico" 3)" = 0 ] || fail "in place: could not prepare the old icon"
touch "$dir/probe" 2>/dev/null && fail "in place: a new file could still be made"
[ "$(save "$dir/old.ico" 5)" = 0 ] || fail "in place: saving did not give 0"
[ "$("$tool" read "$dir/old.ico" 1 | sed -n '1p;3p')" = "$(printf '0\n'; printf '5 %.0s' $(seq 1024))" ] ||
    fail "in place: the icon does not hold the new image"
[ "$(ls "$dir")" = old.ico ] || fail "in place: folder holds $(ls "$dir" | tr '\n' ' ')"
echo "save in place: checked"

# 4. In place on a full file system: the failed write is still reported.
dir=$(fresh_mount inplacefull size=64k,nr_inodes=3)
: >"$dir/old.ico"
dd if=/dev/zero of="$dir/filler" bs=4096 2>/dev/null || true
touch "$dir/probe" 2>/dev/null && fail "in place, full: a new file could still be made"
[ "$(save "$dir/old.ico" 5)" = 1 ] || fail "in place, full: saving did not give 1"
echo "failed write in place: checked"

if [ "$failures" -ne 0 ]; then
    echo "$failures save-failure checks failed"
    exit 1
fi
echo "all save-failure checks passed"
