#!/usr/bin/env bash
# Renders the PNG icons of src/Resource/Icon from their SVG sources in
# src/Resource/svg, and the application icon at the hicolor theme sizes the
# package installs (packaging/icons). The PNGs are committed, so the build
# never needs a renderer; run this after editing an SVG and commit both.
#
#   scripts/render-icons.sh          render everything
#   scripts/render-icons.sh --check  fail if a committed PNG is stale
#
# Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
src="$root/src/Resource/svg"
out="$root/src/Resource/Icon"

# Pictures that a widget rescales itself get no @2x file: Qt would hand the
# widget a pixmap with device pixel ratio 2 and it would be scaled twice.
no_hidpi=(base/pic_empty)

command -v rsvg-convert >/dev/null || {
    echo "rsvg-convert not found (apt-get install librsvg2-bin)" >&2
    exit 1
}

check=0
[[ "${1:-}" == "--check" ]] && check=1
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

stale=0
render() { # <svg> <png> <rsvg-convert size options...>
    local svg="$1" png="$2"
    shift 2
    rsvg-convert --format=png "$@" --output="$tmp/out.png" "$svg"
    if ((check)); then
        if ! cmp -s "$tmp/out.png" "$png"; then
            echo "stale: ${png#"$root"/}" >&2
            stale=1
        fi
    else
        mkdir -p "$(dirname "$png")"
        mv "$tmp/out.png" "$png"
        echo "${png#"$root"/}"
    fi
}

cd "$src"
for svg in */*.svg; do
    name="${svg%.svg}"
    render "$src/$svg" "$out/$name.png" --zoom=1
    hidpi=1
    for skip in "${no_hidpi[@]}"; do
        [[ "$name" == "$skip" ]] && hidpi=0
    done
    if ((hidpi)); then
        render "$src/$svg" "$out/$name@2x.png" --zoom=2
    fi
done

# The menu and the panel ask the theme for these sizes; each is rendered at
# its own size rather than scaled from another.
for size in 16 22 24 32 48 64 96 128 256; do
    render "$out/base/zorva-tarvix.svg" "$root/packaging/icons/hicolor/${size}x${size}/apps/zorva-tarvix.png" \
        --width="$size" --height="$size"
done

exit "$stale"
