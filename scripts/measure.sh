#!/usr/bin/env bash
# Measures, under Wine: start-up to idle of the sample quizzes and of the
# heaviest quiz (96 picture questions, two answers each) against a bare
# program that only opens one empty window, and the evaluation and F1 times
# inside the heaviest quiz. Needs a built tree (scripts/build.sh).
#   bash scripts/measure.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
runs=${1:-21}
export MORVI_BUILD_ROOT="$root/build"
. scripts/wine-env.sh
trap morvi_wine_stop EXIT
morvi_wine_start
bin=build/win32
work=$(mktemp -d)
cp "$bin/tests/windows/bare_window.exe" "$bin/quizzes/sample.exe" "$bin/quizzes/formes.exe" \
   "$bin/tests/windows/perf-96.exe" "$bin/tests/windows/perf_probe.exe" "$work/"
cd "$work"
wine "$root/$bin/tests/windows/driver.exe" startup "$runs" bare_window.exe sample.exe formes.exe perf-96.exe
wine perf_probe.exe
rm -rf "$work"
