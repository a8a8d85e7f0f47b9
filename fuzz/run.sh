#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs one for the given number of seconds (default 600) on its
# seed corpus: the database reader, or with FUZZ_TARGET=fuzz_scanner_import the scanner-file import.
# Crashing inputs land in fuzz/out/crashes (fuzz/out/scanner/crashes); copy each into tests/data/fuzz/
# (tests/data/fuzz/scanner/) so the normal tests replay it.
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
target="${FUZZ_TARGET:-fuzz_database_reader}"
seeds=corpus
work=out
if [ "$target" = fuzz_scanner_import ]; then
    seeds=corpus_scanner
    work=out/scanner
fi
mkdir -p "$work/corpus" "$work/crashes"
cp -n "$seeds"/* "$work/corpus/" 2>/dev/null || true
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"out/build/$target" "$work/corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$work/crashes/" -print_final_stats=1 "${@:2}"
