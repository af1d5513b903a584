#!/usr/bin/env bash
# Installs what is missing, builds, and opens the sample quiz under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh
bash scripts/build.sh

player="$root/build/win32/quizzes/sample.exe"
echo "morvi: the sample quiz is $player"
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  echo "morvi: no display: the quiz needs one to open (run this from a desktop session, or start Xvfb and set DISPLAY)" >&2
  exit 1
fi
export MORVI_BUILD_ROOT="$root/build"
. scripts/wine-env.sh
morvi_wine_prefix
cd "$(dirname "$player")"
exec wine "$player"
