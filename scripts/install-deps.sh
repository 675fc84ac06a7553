#!/usr/bin/env bash
# Installs from Debian's packages whatever the build, the editor and the tests
# need and is not there yet, on Debian 12 (bookworm) and 13 (trixie) alike.
# Safe to run again: it does nothing when all is in.
set -euo pipefail

packages=(
    cmake make g++ clang googletest git
    g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
    wine wine64 xvfb xdotool imagemagick fonts-liberation
    icoutils python3 python3-pil
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
updated=""

install_missing() {
    local installed missing=() p
    installed=$(dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null || true)
    for p in "$@"; do
        grep -qxF "$p install ok installed" <<<"$installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "install-deps: installing ${missing[*]}" >&2
    [ -n "$updated" ] || $sudo apt-get update -qq
    updated=1
    $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
}

install_missing "${packages[@]}"
# The sanitizer runtime is named after clang's major version: 14 on Debian 12, 19 on 13.
install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
