#!/usr/bin/env bash
# Makes sure the Wine prefix PREFIX exists. New prefixes are copies of a template that is
# booted once (about 20 s) and taught to draw the layouts' CJK font with WenQuanYi Micro Hei.
# Usage: wine-prefix.sh PREFIX [--fresh]   (--fresh replaces an existing prefix)
set -euo pipefail

prefix=$1
fresh=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
root=${QUILLO_WINE_ROOT:-$here/../build/wine}
template=$root/template
wine=/usr/lib/wine/wine64

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

if [ -z "$fresh" ] && [ -f "$prefix/.ready" ]; then
  exit 0
fi

mkdir -p "$root"
exec 9>"$root/.lock"
flock 9

if [ ! -f "$template/.ready" ]; then
  rm -rf "$template"
  WINEPREFIX=$template "$wine" wineboot -i >/dev/null 2>&1
  WINEPREFIX=$template "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
    /v '微软雅黑' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  WINEPREFIX=$template /usr/lib/wine/wineserver -w
  touch "$template/.ready"
fi

if [ -n "$fresh" ] || [ ! -f "$prefix/.ready" ]; then
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  # The system folder (nearly all of the template's 700 MB) is shared through hard links;
  # programs under test never rewrite system files, and everything else is a real copy.
  mkdir -p "$prefix"
  (cd "$template" && tar --exclude=./drive_c/windows/system32 -cf - .) | (cd "$prefix" && tar -xf -)
  cp -al "$template/drive_c/windows/system32" "$prefix/drive_c/windows/system32"
fi
