#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the demo need.
# Safe to run repeatedly: packages already present are skipped.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang clang-format
    qtbase5-dev qtbase5-dev-tools libqt5charts5-dev libqt5x11extras5-dev libqt5svg5-dev
    qttools5-dev qttools5-dev-tools libkf5windowsystem-dev libgsettings-qt-dev libglib2.0-bin
    libglib2.0-dev libpugixml-dev libx11-dev libbenchmark-dev
    dbus dbus-x11 xvfb xauth x11-utils imagemagick poppler-utils fonts-dejavu-core
    fonts-noto-cjk fonts-tibetan-machine librsvg2-bin tzdata xdotool desktop-file-utils
    dpkg-dev lintian appstream qttranslations5-l10n python3
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
