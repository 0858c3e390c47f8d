#!/usr/bin/env bash
# Runs a Windows program under wine64 and returns its exit code. Uses $WINEPREFIX when set,
# else the project's shared test prefix, creating it on first use.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=${QUILLO_WINE_ROOT:-$here/../build/wine}
prefix=${WINEPREFIX:-$root/prefix}
"$here/wine-prefix.sh" "$prefix"
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
exec /usr/lib/wine/wine64 "$@"
