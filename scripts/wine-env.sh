# Sourced by the scripts that run Windows programs: sets up the private Wine
# prefix in the build tree, a display, and a persistent wineserver.
#   morvi_wine_start   - prefix, display (Xvfb when none), wineserver, warm-up
#   morvi_wine_stop    - stops what morvi_wine_start started
# Needs MORVI_BUILD_ROOT (the top build folder).

: "${MORVI_BUILD_ROOT:?}"
export WINEPREFIX="$MORVI_BUILD_ROOT/wine-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
morvi_started_xvfb=""

morvi_prefix_version=2

morvi_wine_prefix() {
  if [ "$(cat "$WINEPREFIX/.morvi-ready" 2>/dev/null)" != "$morvi_prefix_version" ]; then
    echo "morvi: preparing the Wine prefix in $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineserver -k 2>/dev/null || true  # a persistent server would never let -w return
    wineboot -i </dev/null >/dev/null 2>&1
    # One virtual desktop of the test screen's size: every program sees the
    # same 1280 x 1024 desktop, and closing a window does not wait for a
    # window manager that Xvfb does not have.
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f </dev/null >/dev/null 2>&1
    wineserver -w
    echo "$morvi_prefix_version" > "$WINEPREFIX/.morvi-ready"
  fi
  # The media player control needs a sound device; give ALSA a silent one.
  if [ ! -f "$HOME/.asoundrc" ]; then
    printf 'pcm.!default { type null }\nctl.!default { type hw card 0 }\n' > "$HOME/.asoundrc" 2>/dev/null || true
  fi
}

morvi_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 91 199); do
    if [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; then continue; fi
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
    morvi_started_xvfb=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
    echo "morvi: Xvfb did not start on :$n" >&2
    return 1
  done
  echo "morvi: no free display number for Xvfb" >&2
  return 1
}

morvi_wine_start() {
  morvi_wine_prefix
  morvi_display
  wineserver -p
  wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

morvi_wine_stop() {
  wineserver -k 2>/dev/null || true
  if [ -n "$morvi_started_xvfb" ]; then
    kill "$morvi_started_xvfb" 2>/dev/null || true
    wait "$morvi_started_xvfb" 2>/dev/null || true
    morvi_started_xvfb=""
  fi
}
