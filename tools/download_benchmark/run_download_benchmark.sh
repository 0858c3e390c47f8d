#!/usr/bin/env bash
# Figures of the setup set beside what the machine itself can do. Not a test: it only prints.
#
# Download: one large file from a plain static file server on loopback (python3 -m
# http.server, which lets curl -o reach the loopback's speed), fetched with curl -o and with
# the setup's downloader thread; the downloader's ratio to curl. With a Windows build folder
# the downloader is the urlmon one under Wine, also set beside a bare URLDownloadToFileW call
# without a callback under the same Wine, which is the floor there.
#
# With a Windows build folder that holds the setup (build/win32, the release; run as 32-bit
# under WoW64 in a 64-bit prefix), also:
#   start: from starting the setup to its main window being visible, beside a bare Win32
#          window under the same Wine;
#   whole run: from the install click to the finished page, beside the critical path that the
#          stand-in packages' own log gives: the longer of the first installer thread's
#          processes one after another and the product's setup on the second.
#
# Usage: run_download_benchmark.sh BUILD_DIR [MEGABYTES]   (default 500)
set -euo pipefail
build=$(cd "${1:?usage: run_download_benchmark.sh BUILD_DIR [MEGABYTES]}" && pwd)
megabytes=${2:-500}
here=$(cd "$(dirname "$0")" && pwd)
scripts=$(cd "$here/../../scripts" && pwd)
tools=$build/tools/download_benchmark
windows=0
[ -f "$tools/download_benchmark.exe" ] && windows=1

work=$(mktemp -d /tmp/quillo-benchmark.XXXXXX)
server_pid=""
cleanup() {
  [ -z "$server_pid" ] || kill "$server_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
rate() { awk -v s="$1" -v b="$bytes" 'BEGIN { printf "%6.2f s %8.1f MB/s", s, b / s / 1048576 }'; }

# --- download -------------------------------------------------------------------------------
mkdir -p "$work/served"
bytes=$((megabytes * 1024 * 1024))
head -c "$bytes" /dev/urandom >"$work/served/setup.exe"
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$work/served" >/dev/null 2>&1 &
server_pid=$!
url="http://127.0.0.1:$port/setup.exe"
for _ in $(seq 100); do curl -sf -o /dev/null -r 0-0 "$url" && break; sleep 0.1; done
# The file is written out and read once, so that no download pays for the disk: each starts
# with the file in the page cache and no other file's pages waiting to be written.
sync
cat "$work/served/setup.exe" >/dev/null

# Each download has a URL of its own (the server ignores the query), so that urlmon's cache
# never serves one from another's copy. curl runs before and after the downloader and counts
# with its faster run, which keeps the machine's other work from flattering the downloader.
curl_once() {
  local seconds
  seconds=$(curl -s -o "$work/by-curl.exe" -w '%{time_total}' "$url?by=curl-$1")
  cmp -s "$work/served/setup.exe" "$work/by-curl.exe" || { echo "curl's copy differs" >&2; exit 1; }
  rm -f "$work/by-curl.exe"
  sync
  echo "$seconds"
}
curl_first=$(curl_once 1)

if [ "$windows" = 1 ]; then
  export WINEPREFIX=$work/prefix WINEDEBUG=-all
  "$scripts/wine-prefix.sh" "$WINEPREFIX" --fresh
  windows_path() { echo "Z:${1//\//\\}"; }
  run_downloader() { # FILE URL SHA256
    "$scripts/wine-run.sh" "$tools/download_benchmark.exe" "$2" "$(windows_path "$1")" "$3" |
      tr -d '\r'
  }
else
  run_downloader() { "$tools/download_benchmark" "$2" "$1" "$3"; }
fi
# The downloader checks the file's hash after the transfer, as for a manifest with "sha256".
sha256=$(sha256sum "$work/served/setup.exe" | cut -d' ' -f1)
output=$(run_downloader "$work/by-downloader.exe" "$url?by=downloader" "$sha256")
cmp -s "$work/served/setup.exe" "$work/by-downloader.exe" ||
  { echo "the downloader's copy differs"; exit 1; }
rm -f "$work/by-downloader.exe"
sync
downloader_seconds=$(echo "$output" | sed -n 's/^downloader_seconds=//p')

curl_second=$(curl_once 2)
curl_seconds=$(awk -v a="$curl_first" -v b="$curl_second" 'BEGIN { print (a < b) ? a : b }')

echo "download: $megabytes MB from python3 -m http.server on 127.0.0.1"
echo "  curl -o:             $(rate "$curl_seconds")   (the faster of $curl_first s and $curl_second s)"
echo "  setup's downloader:  $(rate "$downloader_seconds")   ($(echo "$output" | sed -n 's/^downloader: //p'))"
echo "  downloader / curl:   $(ratio "$curl_seconds" "$downloader_seconds") of curl's throughput"
if [ "$windows" = 1 ]; then
  bare=$("$scripts/wine-run.sh" "$tools/bare_url_download.exe" "$url?by=bare" \
    "$(windows_path "$work/by-bare.exe")" | tr -d '\r' | sed -n 's/^bare_seconds=//p')
  cmp -s "$work/served/setup.exe" "$work/by-bare.exe" || { echo "the bare call's copy differs"; exit 1; }
  rm -f "$work/by-bare.exe"
  echo "  bare URLDownloadToFileW (no callback, same Wine): $(rate "$bare")"
  echo "  downloader / bare:   $(ratio "$bare" "$downloader_seconds") of the bare call's throughput"
fi
kill "$server_pid" 2>/dev/null || true
server_pid=""
rm -rf "$work/served"

[ "$windows" = 1 ] && [ -f "$build/shell/QuilloSetup.exe" ] || exit 0

# --- start and whole run ------------------------------------------------------------------------
# shellcheck source=../../tests/shell/gui_session.sh
source "$here/../../tests/shell/gui_session.sh"
session_init "$work/session" "$build/tests/shell/window_probe.exe"
session_prefix
session_display
session_standin "$build/tools/api_standin/host/api_standin" "$build/standin_packages"
cp "$build/shell/QuilloSetup.exe" "$SESSION_OUT/setup_P7_1.exe"
export QUILLO_STANDIN_LOG="Z:${SESSION_EVENTS//\//\\}"
export QUILLO_STANDIN_SETUP_MS=3000 QUILLO_STANDIN_DOTNET_MS=1500 QUILLO_STANDIN_VCREDIST_MS=300

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.3f", b - a }'; }
# The X server sees what Wine shows, at no cost to the program being watched.
x_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1; }
# time_to_window TITLE PROGRAM: starts PROGRAM (its process id in STARTED) and sets ELAPSED to
# the seconds until a visible window named TITLE exists.
time_to_window() {
  local start
  start=$(now)
  wine_start "$2" >/dev/null
  STARTED=$!
  until [ -n "$(x_window "$1")" ]; do sleep 0.01; done
  ELAPSED=$(since "$start")
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# A first start of each loads Wine's libraries into the page cache; it is not counted.
bare_times=()
for run in 0 1 2 3 4 5; do
  time_to_window bare_window "$tools/bare_window.exe"
  [ "$run" = 0 ] || bare_times+=("$ELAPSED")
  wait "$STARTED" || true
done
setup_times=()
for run in 0 1 2 3 4 5; do
  time_to_window quillo_trans_Install "$SESSION_OUT/setup_P7_1.exe"
  [ "$run" = 0 ] || setup_times+=("$ELAPSED")
  [ "$run" = 5 ] && break
  click quillo_trans_Install 572 24
  wait_until 20 window_shown WndTip2 || fail "the exit question did not show"
  click WndTip2 141 154
  wait "$STARTED" || true
done
bare_start=$(median "${bare_times[@]}")
setup_start=$(median "${setup_times[@]}")
echo "start to main window visible (median of 5, same Wine, 32-bit under WoW64 for the release):"
echo "  setup:        $setup_start s  (${setup_times[*]})"
echo "  bare window:  $bare_start s  (${bare_times[*]})"
echo "  setup / bare: $(ratio "$setup_start" "$bare_start")"

# The last setup is still open on its install page; the finished page is 400 pixels high.
window_height() { xdotool getwindowgeometry --shell "$1" 2>/dev/null | sed -n 's/^HEIGHT=//p'; }
main_window=$(x_window quillo_trans_Install)
probe quillo_trans_Install
xdotool mousemove $((WINDOW_LEFT + 300)) $((WINDOW_TOP + 277)) sleep 0.2
clicked=$(now)
xdotool click 1
until [ "$(window_height "$main_window")" = 400 ]; do sleep 0.02; done
whole=$(since "$clicked")
click quillo_trans_Install 300 376
wait "$STARTED" || true

# The stand-ins log "TIME NAME start ..." and "TIME NAME end"; the product's setup is
# "installer", on the second installer thread, the others run one after another on the first.
read -r first second < <(tr -d '\r' <"$SESSION_EVENTS" | awk '
  function seconds(t) { split(substr(t, 12, 12), p, ":"); return p[1] * 3600 + p[2] * 60 + p[3] }
  $3 == "start" { began[$2] = seconds($1) }
  $3 == "end" && ($2 in began) { took[$2] += seconds($1) - began[$2] }
  END {
    for (name in took) if (name == "installer") second += took[name]; else first += took[name]
    printf "%.2f %.2f\n", first, second
  }')
critical=$(awk -v a="$first" -v b="$second" 'BEGIN { printf "%.2f", (a > b) ? a : b }')
echo "install click to finished page (product setup 3 s, .NET 1.5 s, VC++ 2015 0.3 s):"
echo "  whole run:      $whole s"
echo "  critical path:  $critical s  (first installer's processes $first s, product setup $second s)"
echo "  run / critical: $(ratio "$whole" "$critical")"
