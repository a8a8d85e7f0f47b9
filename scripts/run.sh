#!/usr/bin/env bash
# Installs what is missing, builds, and starts an edition (Tovik, Pellin, Ostrel or Brevane; Tovik by
# default) from the installation directory, on its sample database.
set -euo pipefail
cd "$(dirname "$0")/.."
edition="${1:-Tovik}"
case "$edition" in
    Tovik | Pellin | Ostrel | Brevane) ;;
    *) echo "usage: $0 [Tovik|Pellin|Ostrel|Brevane]" >&2; exit 2 ;;
esac
scripts/install-deps.sh
scripts/build.sh
cd build/install
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting $edition under xvfb-run, where it is not visible." >&2
    exec xvfb-run -a "./$edition"
fi
exec "./$edition"
