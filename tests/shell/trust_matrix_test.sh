#!/usr/bin/env bash
# What the setup trusts, seen in whole runs: each row is the real setup program under Wine
# with real clicks, against the API stand-in and the stand-in packages, in a network and mount
# namespace of its own (loopback only, its own Xvfb display, Wine prefix and stand-in on the
# setup's compiled-in port). Rows:
#   tampered_package  every package carries its "sha256"; the stand-in serves other bytes for
#                     the product's setup twice, then the right ones: the run completes with
#                     the right package, after three requests of it. Leftovers of an earlier
#                     run go at the start; the run's own folder exists while it downloads and
#                     is gone after the finished page.
#   signed_good       a setup built with a manifest public key, a stand-in that signs with
#                     the matching private key: the run completes, its folder gone at the end.
#   signed_missing    the same setup, a stand-in that does not sign: the network tip, the
#                     install page, no package requested.
#   signed_other_key  the same setup, a stand-in signing with another key: likewise.
#
# Usage: trust_matrix_test.sh SETUP_EXE SIGNED_SETUP_EXE PROBE_EXE STANDIN_PROGRAM
#                             PACKAGES_DIR OUT_DIR [ROW...]
#   SETUP_EXE and PACKAGES_DIR name the tree under test; SIGNED_SETUP_EXE is the same program
#   built with the public key of tests/reporting/data/manifest_signing_key.pem. Without ROW
#   every row runs; QUILLO_MATRIX_JOBS rows at once (default 2). Each row leaves its
#   screenshots and logs in OUT_DIR/ROW.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
keys=$(cd "$here/../reporting/data" && pwd)

rows_all=(tampered_package signed_good signed_missing signed_other_key)

main=quillo_trans_Install

# ---------------------------------------------------------------------------------------
# One row, inside its own network namespace.

row_prepare() { # ROW
  export SESSION_OWN_NETWORK=1
  # shellcheck source=gui_session.sh
  source "$here/gui_session.sh"
  session_init "$out/$1" "$probe_exe"
  # Loopback, and a pair of virtual interfaces joined only to each other with a default
  # route over them: Windows programs see a connected machine, and nothing leaves.
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
  cp -r "$packages_dir" "$packages"
  export QUILLO_STANDIN_LOG="Z:${SESSION_EVENTS//\//\\}"
  export QUILLO_STANDIN_SETUP_MS=1000 QUILLO_STANDIN_DOTNET_MS=300 QUILLO_STANDIN_VCREDIST_MS=200
  temp_dir=$(find "$SESSION_PREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -name Temp -type d |
    grep -v /Public/ | head -n1)
  [ -n "$temp_dir" ] || fail "no temporary folder in the prefix"
}

# The package address (its path on the stand-in) of the manifest entry named NAME.
package_path() {
  python3 - "$packages/manifest.json" "$1" <<'PY'
import json, sys
from urllib.parse import urlparse
m = json.load(open(sys.argv[1], encoding="utf-8"))
print(next(urlparse(e["url"]).path for e in m["pdfinstall"] if e["name"] == sys.argv[2]))
PY
}

# Gives every package of the manifest the "sha256" of its file.
add_hashes() {
  python3 - "$packages" <<'PY'
import hashlib, json, os, sys
from urllib.parse import urlparse
folder = sys.argv[1]
path = os.path.join(folder, "manifest.json")
m = json.load(open(path, encoding="utf-8"))
for e in m["pdfinstall"]:
    data = open(os.path.join(folder, urlparse(e["url"]).path.lstrip("/")), "rb").read()
    e["sha256"] = hashlib.sha256(data).hexdigest().upper()
json.dump(m, open(path, "w", encoding="utf-8"), ensure_ascii=False, indent=1)
PY
}

start_setup() { # PROGRAM
  cp "$1" "$SESSION_OUT/setup_P7_1.exe"
  wine_start "$SESSION_OUT/setup_P7_1.exe" >>"$SESSION_OUT/setup-stdout.log" 2>&1
  wait_until 60 window_shown "$main" || fail "the main window did not open"
  wait_until 10 window_height_is "$main" 360 || fail "the main window is not on its install page"
}

click_install() {
  click "$main" 300 277
  wait_until 10 window_height_is "$main" 266 || fail "the progress page did not show"
}

wait_finished() {
  wait_until 180 window_height_is "$main" 400 ||
    fail "the finished page did not show; steps: $(report_steps | tr '\n' ' ')"
  screenshot finished-page "$main"
}

# The folders named as the setup names its own (QuilloSetup- and 32 hexadecimal digits).
run_folders() {
  find "$temp_dir" -mindepth 1 -maxdepth 1 -regextype posix-extended \
    -regex '.*/QuilloSetup-[0-9a-f]{32}' -print
}
has_run_folder() { [ -n "$(run_folders)" ]; }
no_run_folder() { [ -z "$(run_folders)" ]; }

# After the finished page: no folder of the run, and no package beside it.
expect_clean_temp() {
  wait_until 10 no_run_folder ||
    fail "the run's folder is still there after the finished page: $(run_folders)"
  local strays
  strays=$(find "$temp_dir" -maxdepth 1 -type f \( -iname '*.exe' -o -iname '*.msi' -o -iname '*.zip' \
    -o -iname '*.dat' \) -print)
  [ -z "$strays" ] || fail "files of the run outside its folder: $strays"
}

package_requests() { grep -cE "(^| )GET $1 -> " "$SESSION_OUT/standin.log" || true; }

# Requests of anything but the API and the stand-in's own paths.
package_requests_any() {
  grep -E '(^| )GET ' "$SESSION_OUT/standin.log" | grep -v -e 'GET /api-pdf/' -e 'GET /standin/' || true
}

expect_network_tip() {
  wait_until 60 window_shown WndTip1 || fail "no tip after the manifest was refused"
  window_height_is "$main" 360 || fail "the main window is not back at 360 under the tip"
  screenshot network-tip WndTip1
  screenshot install-page-again "$main"
  [ -z "$(package_requests_any)" ] || fail "packages were requested: $(package_requests_any)"
  report_steps | grep -qx 7002 && fail "a refused manifest was reported as received"
  click WndTip1 208 148
  wait_until 10 window_gone WndTip1 || fail "the tip did not close"
}

row_tampered_package() {
  add_hashes
  local setup_path leftover
  setup_path=$(package_path installer)
  leftover="$temp_dir/QuilloSetup-00112233445566778899aabbccddeeff"
  mkdir -p "$leftover/vcredist123"
  echo old >"$leftover/vcredist123/vcredist.msi"
  mkdir -p "$temp_dir/QuilloSetup-keep"
  session_standin "$standin" "$packages" --tamper "$setup_path=2"
  start_setup "$setup_exe"
  [ ! -e "$leftover" ] || fail "the leftover folder of an earlier run is still there"
  [ -d "$temp_dir/QuilloSetup-keep" ] || fail "a folder that no run made was removed"
  click_install
  wait_until 30 has_run_folder || fail "no folder of this run while it downloads"
  note "the run downloads into $(basename "$(run_folders)")"
  wait_finished
  local requests tampered
  requests=$(package_requests "$setup_path")
  tampered=$(grep -c "^tampered $setup_path\$" "$SESSION_OUT/standin.log" || true)
  note "the product's setup was requested $requests times, $tampered of them tampered"
  [ "$tampered" = 2 ] || fail "the stand-in spoiled $tampered requests, not 2"
  [ "$requests" = 3 ] || fail "the product's setup was requested $requests times, not 3"
  grep -q 'installer start /S /D=' "$SESSION_EVENTS" ||
    fail "the right product setup did not run: $(cat "$SESSION_EVENTS")"
  expect_clean_temp
}

row_signed_good() {
  session_standin "$standin" "$packages" --sign-key "$keys/manifest_signing_key.pem"
  start_setup "$signed_setup_exe"
  click_install
  wait_finished
  has_report P7 3.0.1.0 7002 || fail "no report 7002"
  expect_clean_temp
}

row_signed_missing() {
  session_standin "$standin" "$packages"
  start_setup "$signed_setup_exe"
  click_install
  expect_network_tip
}

row_signed_other_key() {
  session_standin "$standin" "$packages" --sign-key "$keys/other_signing_key.pem"
  start_setup "$signed_setup_exe"
  click_install
  expect_network_tip
}

if [ "${1:-}" = --row ]; then
  row=$2 setup_exe=$3 signed_setup_exe=$4 probe_exe=$5 standin=$6 packages_dir=$7 out=$8
  row_prepare "$row"
  SECONDS=0
  "row_$row"
  note "row $row passed"
  session_stop
  [ -n "${QUILLO_KEEP_PREFIX:-}" ] || rm -rf "$SESSION_PREFIX"
  exit 0
fi

# ---------------------------------------------------------------------------------------
# The table: every row in a namespace of its own, a few at a time.

[ $# -ge 6 ] || {
  echo "usage: $0 SETUP_EXE SIGNED_SETUP_EXE PROBE_EXE STANDIN_PROGRAM PACKAGES_DIR OUT_DIR [ROW...]" >&2
  exit 2
}
setup_exe=$(realpath "$1") signed_setup_exe=$(realpath "$2") probe_exe=$(realpath "$3")
standin=$(realpath "$4") packages_dir=$(realpath "$5") out=$6
shift 6
rows=("$@")
[ ${#rows[@]} -gt 0 ] || rows=("${rows_all[@]}")
mkdir -p "$out"
out=$(realpath "$out")
jobs=${QUILLO_MATRIX_JOBS:-2}
# The template prefix is made once, before rows race for it.
"$here/../../scripts/wine-prefix.sh" "$out/.template-check" --fresh
rm -rf "$out/.template-check"

declare -A pids
start=$SECONDS
for row in "${rows[@]}"; do
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n || true
  done
  rm -rf "${out:?}/$row"
  mkdir -p "$out/$row"
  unshare -n -m "$0" --row "$row" "$setup_exe" "$signed_setup_exe" "$probe_exe" "$standin" \
    "$packages_dir" "$out" >"$out/$row/row.log" 2>&1 &
  pids[$row]=$!
done

failed=0
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
echo "trust matrix: ${#rows[@]} rows in $((SECONDS - start)) s; logs in $out"
echo "$(( ${#rows[@]} - failed )) passed, $failed failed"
[ "$failed" = 0 ]
