#!/usr/bin/env bash
# Fuzzes a file reader with libFuzzer under AddressSanitizer for a bounded time: the skeleton
# reader, or with a reader's name first: "model" (skeletons built by random edits, through the
# skeleton file and back), "level", "entities" (the entity list), "frame-data" (a sprite frame
# set's durations) or "png-header" (the picture size check).
# Usage: fuzz-skeleton.sh [skeleton|model|level|entities|frame-data|png-header] [seconds] [--merge]
#   seconds   how long to run (default 60)
#   --merge   afterwards, add the inputs that found new paths to the reader's corpus folder under
#             tests/ (minimised); the ordinary test suite replays that folder
# Builds with clang-14 in build-fuzz/; new inputs collect in build-fuzz/<reader>-corpus/, crashes
# in build-fuzz/<reader>-crashes/.
set -euo pipefail
cd "$(dirname "$0")/.."
reader=skeleton
target=skeleton_fuzz
seeds=tests/skeleton/corpus
max_len=8192
case "${1:-}" in
skeleton) ;;
model)
    target=skeleton_model_fuzz
    seeds=tests/skeleton/model-corpus
    max_len=4096 ;;
level)
    target=level_fuzz
    seeds=tests/level/corpus
    max_len=65536 ;;   # the shipped level is 37 KB
entities)
    target=entity_list_fuzz
    seeds=tests/entities/corpus ;;
frame-data)
    target=frame_data_fuzz
    seeds=tests/graphics/frame-data-corpus
    max_len=4096 ;;
png-header)
    target=png_header_fuzz
    seeds=tests/core/png-header-corpus
    max_len=64 ;;
esac
case "${1:-}" in
skeleton|model|level|entities|frame-data|png-header)
    reader="$1"
    shift ;;
esac
seconds="${1:-60}"
merge="${2:-}"

./scripts/install-deps.sh --fuzz
dir=build-fuzz
if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
        -DCMAKE_C_FLAGS="-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer" \
        -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address -fno-omit-frame-pointer" \
        -DMARL_FUZZ=ON -DMARL_BENCHMARKS=OFF >/dev/null
fi
ninja -C "$dir" -j2 "$target"

mkdir -p "$dir/$reader-corpus" "$dir/$reader-crashes"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fuzzer="$PWD/$dir/bin/$target"
corpus="$PWD/$dir/$reader-corpus"
seeds="$PWD/$seeds"
crashes="$PWD/$dir/$reader-crashes/"
# Inputs name skin files and tileset folders; they are looked for in an empty folder of our own.
cd "$work"
export ASAN_OPTIONS="detect_leaks=1"
"$fuzzer" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$crashes" -print_final_stats=1 "$corpus" "$seeds"

if [ "$merge" = "--merge" ]; then
    "$fuzzer" -merge=1 -max_len="$max_len" "$seeds" "$corpus"
fi
