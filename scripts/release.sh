#!/usr/bin/env bash
# Makes the download for Windows users: build/release/prickverket-<version>-win64.zip
# with prickverket.exe and README.txt, and prints the zip's path as its last line.
# The exe is the one the tests run (build/win64: -O2, static), stripped of its
# debug information: the released program is the tested one, and no second build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

scripts/install-deps.sh
scripts/build.sh win64 prickverket
cache() { sed -n "s/^$1:[A-Z]*=//p" build/win64/CMakeCache.txt; }
case $(cache CMAKE_BUILD_TYPE) in
RelWithDebInfo | Release) ;;
*) echo "release: build/win64 is not an optimised build" >&2 && exit 1 ;;
esac
version=$(cache CMAKE_PROJECT_VERSION)

out=build/release
rm -rf "$out" && mkdir -p "$out"
x86_64-w64-mingw32-strip -o "$out/prickverket.exe" build/win64/app/prickverket.exe
zip="$root/$out/prickverket-$version-win64.zip"
/usr/bin/python3 - "$zip" "$out/prickverket.exe" resources/README.txt "$version" <<'PY'
import sys, zipfile
path, exe, readme, version = sys.argv[1:]
text = open(readme, encoding="utf-8").read().replace("@VERSION@", version)
with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
    z.write(exe, "prickverket.exe")
    # With a BOM and CRLF lines every Notepad shows the Swedish letters.
    z.writestr("README.txt", "\ufeff" + text.replace("\n", "\r\n"))
PY
echo "$zip"
