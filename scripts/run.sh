#!/usr/bin/env bash
# Installs what is missing, builds, and starts an edition (Tovik, Pellin, Ostrel or Brevane; Tovik by
# default) from the installation directory, on its sample database.
#   scripts/run.sh --install   installs into ~/.local instead: the editions appear in the desktop's menu.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--install" ]; then
    scripts/install-deps.sh
    scripts/build.sh
    cmake --install build --prefix "$HOME/.local"
    command -v update-desktop-database >/dev/null && update-desktop-database "$HOME/.local/share/applications" || true
    echo "Installed: start tovik, pellin, ostrel or brevane from ~/.local/bin or the desktop's menu."
    exit 0
fi
edition="${1:-Tovik}"
case "$edition" in
    Tovik | Pellin | Ostrel | Brevane) ;;
    *) echo "usage: $0 [Tovik|Pellin|Ostrel|Brevane] | --install" >&2; exit 2 ;;
esac
scripts/install-deps.sh
scripts/build.sh
cd build/install
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting $edition under xvfb-run, where it is not visible." >&2
    exec xvfb-run -a "./$edition"
fi
exec "./$edition"
