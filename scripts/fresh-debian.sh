#!/usr/bin/env bash
# Runs the test command in a fresh minimal Debian: makes one with debootstrap in
# build/fresh-SUITE, clones this repository's current commit into it, and runs
# scripts/test.sh there, packages and all. Prints the time of each step and the
# last lines of the test output (all of it is in build/fresh-SUITE.log), and
# exits with the test command's status. It is not part of the test command.
#
#   scripts/fresh-debian.sh [--keep] bookworm|trixie     (as root; needs debootstrap)
#
# The system is removed at the end, unless --keep leaves it (unmounted) for reuse.
# Its root is a mount point of its own, so that the save-fault test's private
# mount namespace works inside. Everything mounted is unmounted on exit, also
# after a failure. Packages come from the Debian mirror this machine's apt uses.
set -euo pipefail
src=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
keep=""
[ "${1:-}" = --keep ] && keep=1 && shift
suite=${1:-}
fail() { echo "fresh-debian: $*" >&2; exit 1; }
case $suite in bookworm | trixie) ;; *) fail "usage: $0 [--keep] bookworm|trixie" ;; esac
[ "$(id -u)" -eq 0 ] || fail "run me as root (debootstrap, chroot and mount need it)"
command -v debootstrap >/dev/null || fail "debootstrap is missing: apt-get install debootstrap"

mirror=$(sed -nE 's,^(URIs:|deb)[[:space:]]+(https?://[^[:space:]]*/debian)/?([[:space:]].*)?$,\2,p' \
    /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
    2>/dev/null | head -n1 || true)
mirror=${mirror:-http://deb.debian.org/debian}
root=$src/build/fresh-$suite
log=$src/build/fresh-$suite.log
commit=$(git -C "$src" rev-parse HEAD)

mounted() { findmnt -rn -o TARGET | grep -q "^$root\(/\|$\)"; }
unmount() { ! mounted || umount -R "$root" 2>/dev/null || umount -R -l "$root"; }
remove() { unmount; ! mounted || fail "$root is still mounted"; rm -rf --one-file-system "$root"; }
trap 'unmount; [ -n "$keep" ] || remove' EXIT

exec 3>&1 # the steps' names reach the terminal, also from a step whose output is logged
times=()
step() { # step NAME COMMAND...: runs and times one step
    local name=$1 start=$SECONDS
    shift
    echo "== $name" >&3
    "$@" 3>&- || return
    times+=("$(printf '%-10s %4d s' "$name" $((SECONDS - start)))")
}
inside() { # runs a command in the chroot, in the clone, with a clean environment
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        bash -c 'cd /root/prickverket && "$@"' inside "$@"
}
system() {
    remove
    mkdir -p "$root"
    debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$log" 2>&1 ||
        { tail -n 20 "$log" >&2; fail "debootstrap failed (see $log)"; }
    mount --bind "$root" "$root" && mount --make-private "$root"
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys" && mount --make-rslave "$root/sys"
    mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
    cp -L /etc/resolv.conf "$root/etc/resolv.conf"
    git clone -q "$src" "$root/root/prickverket"
    git -C "$root/root/prickverket" fetch -q "$src" HEAD # also a commit on no branch
    git -C "$root/root/prickverket" checkout -q --detach "$commit"
}

echo "fresh-debian: $suite from $mirror, commit ${commit:0:12}, in $root"
step system system
step packages inside scripts/install-deps.sh
step build inside bash -c 'scripts/build.sh all && scripts/release.sh' >>"$log" 2>&1 ||
    { tail -n 30 "$log" >&2; fail "the build failed (see $log)"; }
echo "warnings in the build: $(grep -c 'warning:' "$log" || true)"
status=0
start=$SECONDS
echo "== tests (scripts/test.sh, output in $log)"
inside scripts/test.sh >>"$log" 2>&1 || status=$?
times+=("$(printf '%-10s %4d s' tests $((SECONDS - start)))")

echo "== last lines of the test output"
tail -n 12 "$log"
echo "== times ($suite, $(inside wine --version 2>/dev/null))"
printf '%s\n' "${times[@]}"
[ -z "$keep" ] || echo "kept: $root (mount it as in scripts/fresh-debian.sh before use)"
exit "$status"
