#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless through ctest.
#   scripts/test.sh              the normal build (build/)
#   scripts/test.sh --sanitize   the same tests built with address and undefined-behaviour sanitizers (build-asan/)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
if [ "${1:-}" = "--sanitize" ]; then
    shift
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVESTRUM_SANITIZE=ON
    cmake --build build-asan --parallel "$(nproc)"
    UBSAN_OPTIONS=print_stacktrace=1 \
        ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)" "$@"
    exit
fi
scripts/build.sh
ctest --test-dir build --output-on-failure --parallel "$(nproc)" "$@"
