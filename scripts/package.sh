#!/usr/bin/env bash
# Builds the Debian package tarvix-desktop_<version>_<arch>.deb from the
# release build and writes it to DIR (default build/package).
#
#   scripts/package.sh [DIR]
#
# Install it with: apt-get install ./DIR/tarvix-desktop_<version>_<arch>.deb
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
-h | --help) sed -n '2,7p' "$0"; exit 0 ;;
esac
out=$(realpath -m "${1:-build/package}")

bash scripts/install-deps.sh
# File times in the package are those of the last commit, so that two runs
# give the same bytes.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || stat -c %Y CMakeLists.txt)}
export SOURCE_DATE_EPOCH
cmake --preset release >/dev/null
cmake --build --preset release --target tarvix-desktop package-files

mkdir -p "$out"
# The staging tree lives under DIR too, so a package build never disturbs
# the build tree's own files.
cpack --config build/release/CPackConfig.cmake -B "$out" >"$out/cpack.log" 2>&1 || {
    cat "$out/cpack.log" >&2
    exit 1
}
rm -rf "$out/_CPack_Packages"
ls "$out"/tarvix-desktop_*.deb
