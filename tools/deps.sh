#!/usr/bin/env bash
# Installs the Debian packages Quintaro needs to build, run and test, when any is missing.
# Given package names, installs those instead (for scripts with needs of their own).
set -euo pipefail

PACKAGES=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev qt6-charts-dev libqt6opengl6-dev libqt6multimedia6 libgl-dev
    libqt6gui6 qt6-qpa-plugins
    libgtest-dev googletest libgmock-dev libbenchmark-dev gcovr
    libsqlite3-dev
    fonts-liberation2 fonts-texgyre fonts-dejavu-core
    xvfb xauth openbox xdotool
    desktop-file-utils appstream man-db groff-base dpkg-dev file
)

if (($#)); then PACKAGES=("$@"); fi

missing=()
for p in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if ((${#missing[@]})); then
    echo "Installing missing packages: ${missing[*]}"
    SUDO=()
    if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo); fi
    export DEBIAN_FRONTEND=noninteractive
    if ! "${SUDO[@]}" apt-get install -y --no-install-recommends "${missing[@]}"; then
        "${SUDO[@]}" apt-get update
        "${SUDO[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
    fi
fi
