#!/usr/bin/env bash
# Builds the libFuzzer targets and runs one of them:
#   bash scripts/fuzz.sh TARGET SECONDS     e.g. lzw_decode_fuzz 600
# Targets: lzw_decode_fuzz, quiz_blocks_fuzz, and the PNG decoder's.
# The working corpus grows in build/fuzz/corpus/TARGET, seeded from the
# tree; crashes are written to build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
target=${1:?target}
seconds=${2:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "$target"
exe=$(find build/fuzz -name "$target" -type f -perm -u+x | head -n 1)
seeds=$(dirname "$(find fuzz -name "$target*.cpp" | head -n 1)")/corpus
case "$target" in
  lzw_decode_fuzz) seeds="$seeds/lzw" ;;
  quiz_blocks_fuzz) seeds="$seeds/blocks" ;;
esac
corpus="build/fuzz/corpus/$target"
mkdir -p "$corpus" build/fuzz/findings
extra=()
[ -d "$seeds" ] && extra+=("$seeds")
dict=$(find "$(dirname "$seeds")" -maxdepth 1 -name '*.dict' | head -n 1)
[ -n "$dict" ] && extra=(-dict="$dict" "${extra[@]}")
"$exe" -max_total_time="$seconds" -artifact_prefix=build/fuzz/findings/ -print_final_stats=1 \
  "$corpus" "${extra[@]}"
