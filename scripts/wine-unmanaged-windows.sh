#!/usr/bin/env bash
# Makes Wine place the windows of the prefix PREFIX itself instead of leaving them to a window
# manager. For virtual displays (Xvfb), which have none: Wine would otherwise wait up to two
# seconds for the absent window manager each time a window goes away.
# Usage: wine-unmanaged-windows.sh PREFIX
set -euo pipefail
prefix=$1
[ -f "$prefix/.unmanaged-windows" ] && exit 0
WINEPREFIX=$prefix WINEDEBUG=-all /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' \
  /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
# The server (and the desktop process it started for `reg`) must not outlive the change: the
# next program in this prefix would join them and their display, which may be none.
WINEPREFIX=$prefix /usr/lib/wine/wineserver -w
touch "$prefix/.unmanaged-windows"
