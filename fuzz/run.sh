#!/usr/bin/env bash
# Builds the fuzz target with clang and runs it for the given number of seconds (default 600) on the
# seed corpus. Crashing inputs land in fuzz/out/crashes; copy each into tests/data/fuzz/ so the normal
# tests replay it.
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-600}"
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get install -y clang libclang-rt-14-dev
fi
CXX=clang++ cmake -S . -B out/build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build out/build
mkdir -p out/corpus out/crashes
cp -n corpus/* out/corpus/ 2>/dev/null || true
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
out/build/fuzz_database_reader out/corpus -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix=out/crashes/ -print_final_stats=1 "${@:2}"
