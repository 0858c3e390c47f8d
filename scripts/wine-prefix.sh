#!/usr/bin/env bash
# Makes sure the Wine prefix PREFIX exists. New prefixes are copies of a template that is
# booted once (about 20 s) and taught to draw the layouts' CJK font with WenQuanYi Micro Hei.
# The template is a 64-bit prefix made with the 32-bit Wine present, so that it runs 32-bit
# programs under WoW64 as 64-bit Windows does; one made before that cannot, and is remade.
# Usage: wine-prefix.sh PREFIX [--fresh]   (--fresh replaces an existing prefix)
set -euo pipefail

prefix=$1
fresh=${2:-}
here=$(cd "$(dirname "$0")" && pwd)
root=${QUILLO_WINE_ROOT:-$here/../build/wine}
template=$root/template
wine=/usr/lib/wine/wine64

export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

kind=wow64
ready() { [ -f "$1/.ready" ] && [ "$(cat "$1/.ready")" = "$kind" ]; }

if [ -z "$fresh" ] && ready "$prefix"; then
  exit 0
fi

mkdir -p "$root"
exec 9>"$root/.lock"
flock 9

if ! ready "$template"; then
  rm -rf "$template"
  WINEPREFIX=$template "$wine" wineboot -i >/dev/null 2>&1
  WINEPREFIX=$template "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' \
    /v '微软雅黑' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
  WINEPREFIX=$template /usr/lib/wine/wineserver -w
  [ -f "$template/drive_c/windows/syswow64/kernel32.dll" ] ||
    { echo "the Wine prefix has no 32-bit side: is wine32:i386 installed?" >&2; exit 1; }
  echo "$kind" >"$template/.ready"
fi

if [ -n "$fresh" ] || ! ready "$prefix"; then
  rm -rf "$prefix"
  mkdir -p "$(dirname "$prefix")"
  # The system folder (nearly all of the template's 700 MB) is shared through hard links;
  # programs under test never rewrite system files, and everything else is a real copy.
  mkdir -p "$prefix"
  (cd "$template" && tar --exclude=./drive_c/windows/system32 -cf - .) | (cd "$prefix" && tar -xf -)
  cp -al "$template/drive_c/windows/system32" "$prefix/drive_c/windows/system32"
fi
