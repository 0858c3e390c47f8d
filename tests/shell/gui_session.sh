# Functions for driving the setup program under Wine from a script: a Wine prefix of its own,
# an Xvfb display, the API stand-in on the port the setup has compiled in, and window probes,
# mouse clicks and screenshots. Sourced by setup_gui_test.sh and scripts/run.sh.
#
#   session_init OUT_DIR PROBE_EXE   artefacts go to OUT_DIR (screenshots/, reports.jsonl, ...)
#   session_prefix                   a fresh Wine prefix in OUT_DIR/prefix
#   session_display                  an Xvfb display of its own (sets DISPLAY) with a compositing
#                                    manager, after session_prefix
#   session_standin PROGRAM PACKAGES [OPTION...]
#                                    the stand-in on 127.0.0.1:38471 with the demo manifest
#   session_stop                     stops what the session started (also on exit)

session_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
session_wine=/usr/lib/wine/wine64
session_port=38471

session_init() {
  SESSION_OUT=$1
  SESSION_PROBE=$2
  SESSION_PREFIX=$SESSION_OUT/prefix
  SESSION_SHOTS=$SESSION_OUT/screenshots
  SESSION_REPORTS=$SESSION_OUT/reports.jsonl
  SESSION_EVENTS=$SESSION_OUT/standin-events.log
  session_xvfb_pid=""
  session_compositor_pid=""
  session_standin_pid=""
  mkdir -p "$SESSION_OUT"
  rm -rf "$SESSION_SHOTS" "$SESSION_REPORTS" "$SESSION_EVENTS"
  mkdir -p "$SESSION_SHOTS"
  trap session_stop EXIT
}

session_prefix() {
  "$session_repo/scripts/wine-prefix.sh" "$SESSION_PREFIX" --fresh
  export WINEPREFIX=$SESSION_PREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

session_display() {
  local displayfile
  "$session_repo/scripts/wine-unmanaged-windows.sh" "$WINEPREFIX"
  displayfile=$(mktemp)
  # A session with a network of its own also has its own socket folder for displays (see
  # session_standin): its display needs no lock shared with the machine's other displays.
  Xvfb -displayfd 5 -screen 0 1024x768x24 -wr -nolisten tcp ${SESSION_OWN_NETWORK:+-nolock} \
    5>"$displayfile" 2>"$SESSION_OUT/xvfb.log" &
  session_xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$displayfile" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$displayfile")"
  rm -f "$displayfile"
  [ "$DISPLAY" != ":" ] || fail "Xvfb did not start"
  # As on Windows, layered windows are blended with what lies below them: the shadow around
  # the main window shows as a shadow, not as a black frame.
  xcompmgr 2>/dev/null &
  session_compositor_pid=$!
}

# The setup talks to the compiled-in port, so runs that need it take turns, unless the
# session has a network namespace of its own (SESSION_OWN_NETWORK=1, which also means a
# private /tmp/.X11-unix: display numbers are then private too). Options after the
# packages folder go to the stand-in (--fault ...).
session_standin() {
  if [ -z "${SESSION_OWN_NETWORK:-}" ]; then
    exec 8>"/tmp/quillo-api-port-$session_port.lock"
    flock -w 900 8 || fail "port $session_port stayed taken by another run"
  fi
  "$1" --port "$session_port" --manifest "$2/manifest.json" --packages "$2" \
    --report-log "$SESSION_REPORTS" --idle-exit 900 "${@:3}" >"$SESSION_OUT/standin.log" 2>&1 &
  session_standin_pid=$!
  wait_until 10 curl -sf "http://127.0.0.1:$session_port/standin/ping" >/dev/null ||
    fail "the API stand-in did not start: $(cat "$SESSION_OUT/standin.log")"
}

session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    WINEPREFIX=$WINEPREFIX /usr/lib/wine/wineserver -k 2>/dev/null || true
  fi
  for pid in $session_standin_pid $session_compositor_pid $session_xvfb_pid; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  session_standin_pid=""
  session_compositor_pid=""
  session_xvfb_pid=""
}

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

note() {
  printf '[%3ds] %s\n' "$SECONDS" "$*"
}

# wait_until SECONDS COMMAND...: true once COMMAND succeeds, false after SECONDS.
wait_until() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$end" ] || return 1
    sleep 0.2
  done
}

# Runs a Windows program of the session in the background; its process id is in $!.
wine_start() {
  "$session_wine" "$@" &
}

# probe TITLE: sets WINDOW_CLASS, WINDOW_LEFT, WINDOW_TOP, WINDOW_WIDTH, WINDOW_HEIGHT,
# WINDOW_VISIBLE, WINDOW_ENABLED and WINDOW_OWNER; false when no such window exists.
probe() {
  local facts
  facts=$("$session_wine" "$SESSION_PROBE" "$1" 2>/dev/null | tr -d "\r") || return 1
  eval "$facts"
}

window_shown() { probe "$1" && [ "$WINDOW_VISIBLE" = 1 ]; }
window_hidden() { probe "$1" && [ "$WINDOW_VISIBLE" = 0 ]; }
window_gone() { ! probe "$1"; }
window_height_is() { probe "$1" && [ "$WINDOW_HEIGHT" = "$2" ]; }

# click TITLE X Y: a real mouse click at X, Y inside the window.
click() {
  probe "$1" || fail "no window $1 to click"
  xdotool mousemove $((WINDOW_LEFT + $2)) $((WINDOW_TOP + $3)) sleep 0.2 click 1 sleep 0.2
}

# screenshot NAME TITLE: the window with a margin for its shadow, in screenshots/NAME.png.
screenshot() {
  probe "$2" || fail "no window $2 to photograph"
  sleep 0.4  # the last paint reaches the screen
  local m=12
  import -window root -crop "$((WINDOW_WIDTH + 2 * m))x$((WINDOW_HEIGHT + 2 * m))+$((WINDOW_LEFT - m))+$((WINDOW_TOP - m))" \
    +repage "$SESSION_SHOTS/$1.png"
}

# How much of the progress bar is filled: its red pixels along the middle row.
bar_fill() {
  probe quillo_trans_Install || { echo 0; return; }
  import -window root -crop "556x1+$((WINDOW_LEFT + 22))+$((WINDOW_TOP + 246))" txt:- |
    grep -c 'srgb(23[0-9],7[0-9],[56][0-9])' || true
}

# The report steps the stand-in received, one a line, oldest first.
report_steps() {
  [ -f "$SESSION_REPORTS" ] && grep -o '"step":"[0-9]*"' "$SESSION_REPORTS" | cut -d'"' -f4
  return 0
}

has_report() { grep -q "\"channel\":\"$1\",\"version\":\"$2\",\"step\":\"$3\"" "$SESSION_REPORTS" 2>/dev/null; }
