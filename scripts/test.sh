#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the
# native tests, then the 32-bit and 64-bit Windows tests under Wine (on an
# Xvfb display of its own when there is none). Stops what it started.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/install-deps.sh
bash scripts/build.sh

export MORVI_BUILD_ROOT="$root/build"
. scripts/wine-env.sh
trap morvi_wine_stop EXIT
morvi_wine_start

passed=0
failed=0
status=0
run() {
  local log
  log=$(mktemp)
  set +e
  ctest --preset "$@" 2>&1 | tee "$log"
  [ "${PIPESTATUS[0]}" -eq 0 ] || status=1
  set -e
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    status=1
  else
    local total bad
    total=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
    bad=$(echo "$line" | sed -E 's/.* ([0-9]+) tests failed.*/\1/')
    passed=$((passed + total - bad))
    failed=$((failed + bad))
  fi
  rm -f "$log"
}
run native -j "$(nproc)"
# Windows tests run one at a time: they share one desktop, its focus and its
# foreground window.
run win32
run win64

echo
echo "morvi: $passed passed, $failed failed"
exit $status
