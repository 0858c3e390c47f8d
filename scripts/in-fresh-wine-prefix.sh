#!/usr/bin/env bash
# Runs a Windows test program under wine64 in a Wine prefix made fresh for it, so that what
# it writes to the registry and to drive C: starts from the template's state. The prefix is
# removed after a pass and kept after a failure, for a look at what was written.
# Usage: in-fresh-wine-prefix.sh PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
prefix=$1
shift
repo=$(cd "$(dirname "$0")/.." && pwd)

"$repo/scripts/wine-prefix.sh" "$prefix" --fresh
status=0
WINEPREFIX=$prefix "$repo/scripts/wine-run.sh" "$@" || status=$?

# The prefix's server outlives the test by a few seconds; let it finish before the prefix
# goes, and end it (with whatever the test left running in this prefix) if it does not.
if ! WINEPREFIX=$prefix timeout 20 /usr/lib/wine/wineserver -w; then
  WINEPREFIX=$prefix /usr/lib/wine/wineserver -k || true
fi
if [ "$status" -eq 0 ]; then
  rm -rf "$prefix"
else
  echo "kept the Wine prefix of the failed test: $prefix" >&2
fi
exit "$status"
