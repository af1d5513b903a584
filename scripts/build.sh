#!/usr/bin/env bash
# Configures and builds the native tree (tools, tests, benchmarks) and the
# two Windows trees (the player and its tests). The Windows trees pack their
# quizzes with the native morvi command, so the native tree comes first.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native win32 win64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
