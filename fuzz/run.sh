#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs one for the given number of seconds (default 600) on its seed
# corpus: database_reader (the default; seeds in fuzz/corpus), lookup_lists (seeds in fuzz/corpus_lists) or
# scanner_import (seeds in fuzz/corpus_scanner). Further arguments go to libFuzzer. Crashing inputs land in
# fuzz/out/TARGET/crashes; copy each into tests/data/fuzz/ (database_reader), tests/data/fuzz/lists/
# (lookup_lists) or tests/data/fuzz/scanner/ (scanner_import) so the normal tests replay it.
set -euo pipefail
cd "$(dirname "$0")"
seconds="${1:-600}"
target="${2:-database_reader}"
case "$target" in
database_reader) seeds=corpus ;;
lookup_lists) seeds=corpus_lists ;;
scanner_import) seeds=corpus_scanner ;;
*) echo "unknown fuzz target: $target (database_reader, lookup_lists or scanner_import)" >&2; exit 2 ;;
esac
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get install -y clang libclang-rt-14-dev
fi
CXX=clang++ cmake -S . -B out/build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build out/build --target "fuzz_$target"
work="out/$target"
mkdir -p "$work/corpus" "$work/crashes"
cp -n "$seeds"/* "$work/corpus/" 2>/dev/null || true
export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
"out/build/fuzz_$target" "$work/corpus" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$work/crashes/" -print_final_stats=1 "${@:3}"
