# shellcheck shell=bash
# What the whole-program matrices (fault_matrix_test.sh, trust_matrix_test.sh) share: each row
# is a real run of the setup program under Wine with real clicks, against the API stand-in and
# the stand-in packages, and rows run side by side, each in a network and mount namespace of
# its own (loopback only, its own Xvfb display, Wine prefix and stand-in on the setup's
# compiled-in port). A matrix script runs itself once for each row, as `SCRIPT --row ROW ARG...`.
# Sourced by the matrix scripts; brings gui_session.sh with it.
#
#   matrix_table TITLE JOBS OUT_DIR ROW_ARG... -- ROW...
#                          each ROW as `unshare -n -m SCRIPT --row ROW ROW_ARG...`, JOBS at once
#                          (QUILLO_MATRIX_JOBS when set), its output in OUT_DIR/ROW/row.log; prints
#                          a line for each row and the summary, false when a row failed
#   matrix_row_prepare OUT_DIR PROBE_EXE PACKAGES_DIR
#                          in a row's namespace: the session in OUT_DIR with its network, Wine
#                          prefix and display, and the row's own copy of the packages in $packages
#   matrix_row_run ROW     runs row_ROW, then ends the row (exits)
#   start_setup PROGRAM    a copy of PROGRAM started as "setup_P7_1.exe" (its process id in
#                          $setup_pid), until the main window shows its install page
#   click_install          the install button, until the progress page shows
#   wait_finished          until the finished page shows, and its screenshot
#   expect_network_tip WHY the network tip over the install page (WHY names what brought it
#                          about in the failure), then the tip closed

# shellcheck source=gui_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/gui_session.sh"

main=quillo_trans_Install

# ---------------------------------------------------------------------------------------
# The table: every row in a namespace of its own, a few at a time.

matrix_table() {
  local title=$1 parallel=${QUILLO_MATRIX_JOBS:-$2} out=$3
  shift 3
  local row_args=()
  while [ "$1" != -- ]; do
    row_args+=("$1")
    shift
  done
  shift
  local rows=("$@")
  # The template prefix is made once, before rows race for it.
  "$session_repo/scripts/wine-prefix.sh" "$out/.template-check" --fresh
  rm -rf "$out/.template-check"

  local -A pids
  local row start=$SECONDS
  for row in "${rows[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$parallel" ]; do
      wait -n || true
    done
    rm -rf "${out:?}/$row"
    mkdir -p "$out/$row"
    unshare -n -m "$0" --row "$row" "${row_args[@]}" >"$out/$row/row.log" 2>&1 &
    pids[$row]=$!
  done

  local failed=0 status
  for row in "${rows[@]}"; do
    status=0
    wait "${pids[$row]}" || status=$?
    if [ "$status" = 0 ]; then
      printf '%-18s passed\n' "$row"
    else
      failed=$((failed + 1))
      printf '%-18s FAILED (%s)\n' "$row" "$(grep -m1 FAILED "$out/$row/row.log" || tail -n1 "$out/$row/row.log")"
    fi
  done
  echo "$title: ${#rows[@]} rows in $((SECONDS - start)) s; logs in $out"
  echo "$((${#rows[@]} - failed)) passed, $failed failed"
  [ "$failed" = 0 ]
}

# ---------------------------------------------------------------------------------------
# One row, inside its own network namespace.

matrix_row_prepare() { # OUT_DIR PROBE_EXE PACKAGES_DIR
  export SESSION_OWN_NETWORK=1
  session_init "$1" "$2"
  # Loopback, and a pair of virtual interfaces joined only to each other with a default
  # route over them: Windows programs see a connected machine, and nothing can leave the
  # namespace.
  ip link set lo up
  ip link add q0 type veth peer name q1
  ip addr add 169.254.38.1/24 dev q0
  ip addr add 169.254.38.2/24 dev q1
  ip link set q0 up
  ip link set q1 up
  ip route add default via 169.254.38.2 dev q0
  # Displays of their own too: Xvfb's sockets in a private folder and no shared lock, since
  # display numbers chosen in separate namespaces would otherwise collide in /tmp.
  mkdir -p /tmp/.X11-unix
  mount -t tmpfs tmpfs /tmp/.X11-unix
  session_prefix
  session_display
  packages=$SESSION_OUT/packages
  rm -rf "$packages"
  cp -r "$3" "$packages"
  export QUILLO_STANDIN_LOG="Z:${SESSION_EVENTS//\//\\}"
  export QUILLO_STANDIN_SETUP_MS=1000 QUILLO_STANDIN_DOTNET_MS=300 QUILLO_STANDIN_VCREDIST_MS=200
}

matrix_row_run() { # ROW
  SECONDS=0
  "row_$1"
  note "row $1 passed"
  session_stop
  [ -n "${QUILLO_KEEP_PREFIX:-}" ] || rm -rf "$SESSION_PREFIX"
  exit 0
}

# ---------------------------------------------------------------------------------------
# Steps of a row.

start_setup() { # PROGRAM
  cp "$1" "$SESSION_OUT/setup_P7_1.exe"
  wine_start "$SESSION_OUT/setup_P7_1.exe" >>"$SESSION_OUT/setup-stdout.log" 2>&1
  # shellcheck disable=SC2034 # for the rows that wait for the setup to end
  setup_pid=$!
  wait_until 120 window_shown "$main" || {
    import -window root "$SESSION_SHOTS/no-main-window.png" || true
    fail "the main window did not open: $(tail -n3 "$SESSION_OUT/setup-stdout.log")"
  }
  wait_until 10 window_height_is "$main" 360 || fail "the main window is not on its install page"
}

click_install() {
  click "$main" 300 277
  wait_until 10 window_height_is "$main" 266 || {
    import -window root "$SESSION_SHOTS/no-progress-page.png" || true
    fail "the progress page did not show"
  }
}

wait_finished() {
  wait_until 180 window_height_is "$main" 400 ||
    fail "the finished page did not show; steps: $(report_steps | tr '\n' ' ')"
  screenshot finished-page "$main"
}

expect_network_tip() { # WHY
  wait_until 60 window_shown WndTip1 || fail "no tip after $1"
  window_height_is "$main" 360 || fail "the main window is not back at 360 under the tip"
  screenshot network-tip WndTip1
  screenshot install-page-again "$main"
  click WndTip1 208 148
  wait_until 10 window_gone WndTip1 || fail "the tip did not close"
}
