#!/usr/bin/env bash
# Runs a Windows program under wine64 on a display of its own: starts Xvfb (white root, so
# window shadows show in screenshots), runs the program in the Wine prefix $WINEPREFIX, then
# stops that prefix's Wine processes and the Xvfb it started. Returns the program's exit code.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
scripts=$here/../../scripts
: "${WINEPREFIX:?the GUI tests need a Wine prefix of their own}"
"$scripts/wine-prefix.sh" "$WINEPREFIX"
"$scripts/wine-unmanaged-windows.sh" "$WINEPREFIX"

displayfile=$(mktemp)
Xvfb -displayfd 5 -screen 0 1024x768x24 -wr -nolisten tcp 5>"$displayfile" 2>/dev/null &
xvfb=$!
cleanup() {
  WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.1
done
display=$(head -n1 "$displayfile")
[ -n "$display" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
status=0
"$scripts/wine-run.sh" "$@" || status=$?
exit "$status"
