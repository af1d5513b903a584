#!/usr/bin/env bash
# End to end, as a person would: starts a real player executable under Wine,
# waits for its window, plays it with real key and mouse events (xdotool),
# takes screenshots, closes the window, and checks the exit code, the saved
# answers file byte for byte and the verdicts the page shows.
#   run_player.sh DRIVER PLAYER ARTEFACTS EXPECTED_SAVED [ACTIONS EXPECTED_VERDICTS]
# ACTIONS holds one step a line: "type TEXT", "key NAME" (xdotool key
# names), "click-hide" (the Cacher box), "shot NAME" (a screenshot).
set -euo pipefail
driver=$1 player=$2 artefacts=$3 expected=$4 actions=${5:-} verdicts=${6:-}
root=$(cd "$(dirname "$0")/../../.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wine-prefix} WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
name=$(basename "$player" .exe)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$artefacts"
win() { winepath -w "$1" 2>/dev/null; }
shot() {
  sleep 0.5  # let it paint
  import -window root "$artefacts/$1.png"
  echo "screenshot: $artefacts/$1.png"
}

wine "$driver" launch "$(win "$player")" "$(win "$work")" "$(win "$work")\\ready" "$(win "$work")\\close" \
  >"$work/driver.log" 2>&1 </dev/null &
driver_pid=$!
for _ in $(seq 1 300); do
  [ -f "$work/ready" ] && break
  if ! kill -0 "$driver_pid" 2>/dev/null; then cat "$work/driver.log"; exit 1; fi
  sleep 0.1
done
[ -f "$work/ready" ] || { echo "no window within 30 s"; exit 1; }
shot "$name"

if [ -n "$actions" ]; then
  desktop=$(xdotool search --name 'Wine desktop' | head -n 1)
  xdotool windowfocus --sync "$desktop"
  read -r hide_x hide_y <"$work/ready"
  while IFS= read -r line || [ -n "$line" ]; do
    step=${line%% *} argument=${line#* }
    case "$step" in
      type) xdotool type --delay 40 "$argument" ;;
      key) xdotool key "$argument" ;;
      click-hide) xdotool mousemove "$hide_x" "$hide_y" click 1 ;;
      shot) shot "$argument" ;;
      ''|'#'*) continue ;;
      *) echo "unknown step: $line"; exit 1 ;;
    esac
    sleep 0.3
  done <"$actions"
fi

touch "$work/close"
wait "$driver_pid" || { cat "$work/driver.log"; exit 1; }
cat "$work/driver.log"
grep -q '^exit 0' "$work/driver.log"
if ! cmp "$work/$name.txt" "$expected"; then
  echo "saved answers:"; od -c "$work/$name.txt" | head -20; exit 1
fi
echo "saved answers file as expected"
if [ -n "$verdicts" ]; then
  if ! cmp "$work/close.verdicts" "$verdicts"; then
    echo "verdicts shown:"; iconv -f CP1252 -t UTF-8 "$work/close.verdicts"; exit 1
  fi
  echo "verdicts as expected"
fi
