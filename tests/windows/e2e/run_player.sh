#!/usr/bin/env bash
# End to end, as a person would: starts a real player executable under Wine,
# waits for its window, takes a screenshot, closes the window, and checks the
# exit code and the saved answers file.
#   run_player.sh DRIVER PLAYER ARTEFACTS EXPECTED_SAVED_FILE
# EXPECTED_SAVED_FILE holds the bytes the saved answers file must have.
set -euo pipefail
driver=$1 player=$2 artefacts=$3 expected=$4
root=$(cd "$(dirname "$0")/../../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
name=$(basename "$player" .exe)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artefacts"
win() { winepath -w "$1" 2>/dev/null; }

wine "$driver" launch "$(win "$player")" "$(win "$work")" "$(win "$work")\\ready" "$(win "$work")\\close" \
  >"$work/driver.log" 2>&1 </dev/null &
driver_pid=$!
for _ in $(seq 1 300); do
  [ -f "$work/ready" ] && break
  if ! kill -0 "$driver_pid" 2>/dev/null; then cat "$work/driver.log"; exit 1; fi
  sleep 0.1
done
[ -f "$work/ready" ] || { echo "no window within 30 s"; exit 1; }
sleep 0.5  # let it paint
import -window root "$artefacts/$name.png"
echo "screenshot: $artefacts/$name.png"
touch "$work/close"
wait "$driver_pid" || { cat "$work/driver.log"; exit 1; }
cat "$work/driver.log"
grep -q '^exit 0' "$work/driver.log"
cmp "$work/$name.txt" "$expected"
echo "saved answers file as expected"
