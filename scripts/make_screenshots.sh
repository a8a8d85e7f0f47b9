#!/usr/bin/env bash
# Takes the pictures of the four editions' main windows that the AppStream descriptions show
# (desktop/screenshots/<edition>.png, English sample data), from the program itself, headless.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target vestrum_screenshot assemble
mkdir -p desktop/screenshots
for edition in Tovik Pellin Ostrel Brevane; do
    id=$(echo "$edition" | tr '[:upper:]' '[:lower:]')
    QT_QPA_PLATFORM=offscreen build/bench/vestrum_screenshot "$edition" en build/install "desktop/screenshots/$id.png"
    echo "desktop/screenshots/$id.png"
done
