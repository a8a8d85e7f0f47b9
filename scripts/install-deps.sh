#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the program and the tests need, if any is missing.
set -euo pipefail

packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n libgl1-mesa-dev
    xvfb xauth poppler-utils
    libzint-dev libcups2-dev zxing-cpp-tools
    desktop-file-utils appstream
    postgresql libqt6sql6-psql
)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y "${missing[@]}"
fi
