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
# shellcheck source=matrix_rows.sh
source "$here/matrix_rows.sh"

rows_all=(tampered_package signed_good signed_missing signed_other_key)

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

# A manifest the setup refuses: the network tip, no package requested, and nothing reported
# as received.
expect_refused_manifest() {
  expect_network_tip "the manifest was refused"
  [ -z "$(package_requests_any)" ] || fail "packages were requested: $(package_requests_any)"
  if report_steps | grep -qx 7002; then fail "a refused manifest was reported as received"; fi
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
  expect_refused_manifest
}

row_signed_other_key() {
  session_standin "$standin" "$packages" --sign-key "$keys/other_signing_key.pem"
  start_setup "$signed_setup_exe"
  click_install
  expect_refused_manifest
}

if [ "${1:-}" = --row ]; then
  row=$2 setup_exe=$3 signed_setup_exe=$4 probe_exe=$5 standin=$6 packages_dir=$7 out=$8
  matrix_row_prepare "$out/$row" "$probe_exe" "$packages_dir"
  temp_dir=$(find "$SESSION_PREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -name Temp -type d |
    grep -v /Public/ | head -n1)
  [ -n "$temp_dir" ] || fail "no temporary folder in the prefix"
  matrix_row_run "$row"
fi

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
matrix_table "trust matrix" 2 "$out" "$setup_exe" "$signed_setup_exe" "$probe_exe" "$standin" \
  "$packages_dir" "$out" -- "${rows[@]}"
