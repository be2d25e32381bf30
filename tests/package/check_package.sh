#!/usr/bin/env bash
# check_package.sh CPACK CPACK_CONFIG VERSION SOURCE_DIR
# Builds tarvix-desktop_<VERSION>_<arch>.deb twice into a temporary directory
# and checks that both are the same bytes, its control fields, its file list,
# the files themselves, the AppStream data and lintian.
set -uo pipefail
cpack=$1 config=$2 version=$3 source=$4
arch=$(dpkg --print-architecture)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# As scripts/package.sh does: file times from the last commit.
SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct 2>/dev/null || stat -c %Y "$source/CMakeLists.txt")
export SOURCE_DATE_EPOCH
for run in out again; do
    "$cpack" --config "$config" -B "$work/$run" >"$work/cpack.log" 2>&1 || {
        cat "$work/cpack.log"
        echo "FAIL: cpack"
        exit 1
    }
done
deb=$work/out/tarvix-desktop_${version}_${arch}.deb
[ -f "$deb" ] || { ls "$work/out"; echo "FAIL: no $(basename "$deb")"; exit 1; }
cmp "$deb" "$work/again/$(basename "$deb")" || fail "two builds of the package differ"

# Control fields. Depends: what dpkg-shlibdeps found, plus what the program
# loads or names at run time.
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tarvix-desktop ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), project version $version"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture: $(field Architecture)"
for name in Maintainer Section Priority Description Installed-Size; do
    [ -n "$(field "$name")" ] || fail "no $name field"
done
depends=$(field Depends)
for dependency in libc6 libqt5widgets5 libqt5dbus5 libkf5windowsystem5 libpugixml1v5 libqt5svg5 \
    fonts-noto-cjk fonts-tibetan-machine; do
    grep -Eq "(^|, )$dependency( |,|$)" <<<"$depends" || fail "Depends lacks $dependency: $depends"
done

# Exactly these files: the program, its menu entry, icons and documents;
# nothing from the tests, the tools or the stand-in daemon.
sizes="16 22 24 32 48 64 96 128 256"
{
    echo ./usr/bin/tarvix-desktop
    echo ./usr/share/applications/com.zorva.tarvix_desktop.desktop
    echo ./usr/share/metainfo/com.zorva.tarvix_desktop.metainfo.xml
    echo ./usr/share/doc/tarvix-desktop/changelog.gz
    echo ./usr/share/doc/tarvix-desktop/copyright
    for size in $sizes; do echo "./usr/share/icons/hicolor/${size}x${size}/apps/zorva-tarvix.png"; done
    echo ./usr/share/icons/hicolor/scalable/apps/zorva-tarvix.svg
    echo ./usr/share/man/man1/tarvix-desktop.1.gz
} | sort >"$work/expected"
dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort >"$work/actual"
diff -u "$work/expected" "$work/actual" || fail "package contents differ from the list above"

root=$work/root
dpkg-deb --extract "$deb" "$root"
binary=$root/usr/bin/tarvix-desktop
[ -x "$binary" ] || fail "usr/bin/tarvix-desktop is not executable"
readelf --sections "$binary" 2>/dev/null | grep -q '\.symtab' && fail "usr/bin/tarvix-desktop is not stripped"

entry=$root/usr/share/applications/com.zorva.tarvix_desktop.desktop
desktop-file-validate "$entry" || fail "desktop entry does not validate"
metainfo=$root/usr/share/metainfo/com.zorva.tarvix_desktop.metainfo.xml
appstreamcli validate --pedantic --no-net "$metainfo" || fail "AppStream data does not validate"
grep -q "<launchable type=\"desktop-id\">$(basename "$entry")</launchable>" "$metainfo" ||
    fail "AppStream data does not launch $(basename "$entry")"
grep -q "<release version=\"$version\"" "$metainfo" || fail "AppStream data lacks release $version"
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$exec_name" ] || fail "Exec=$exec_name is not a program of the package"
icon_name=$(sed -n 's/^Icon=//p' "$entry")
[ -f "$root/usr/share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "Icon=$icon_name is not installed"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in $sizes; do
    png=$root/usr/share/icons/hicolor/${size}x${size}/apps/$icon_name.png
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')
    [ "$width x $height" = "$size x $size" ] || fail "$(basename "$(dirname "$(dirname "$png")")") icon is $width x $height"
done

top=$(zcat "$root/usr/share/doc/tarvix-desktop/changelog.gz" | head -n1)
[[ "$top" == "tarvix-desktop ($version) "* ]] || fail "changelog starts with: $top"

# No lintian error or warning; informational tags are listed in the log.
lintian --fail-on error,warning --display-info "$deb" || fail "lintian"

echo "checked $(basename "$deb"): $failures failures"
[ "$failures" -eq 0 ]
