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
