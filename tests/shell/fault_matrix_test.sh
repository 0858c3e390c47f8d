#!/usr/bin/env bash
# The setup program on a bad day: each row is a real run of the whole program under Wine,
# with real clicks, against the API stand-in and the stand-in packages, with one fault
# brought about, and checks that the run recovers or ends in one of the program's own
# messages. Rows run side by side, each in a network and mount namespace of its own (loopback
# only, with its own Xvfb display, Wine prefix and stand-in on the setup's compiled-in port).
#
# Usage: fault_matrix_test.sh SETUP_EXE PROBE_EXE STANDIN_PROGRAM PACKAGES_DIR OUT_DIR [ROW...]
#   SETUP_EXE and PACKAGES_DIR name the tree under test (the setup program and the stand-in
#   packages built beside it); without ROW every row runs. QUILLO_MATRIX_JOBS rows run at
#   once (default 3). Each row leaves its screenshots and logs in OUT_DIR/ROW.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=matrix_rows.sh
source "$here/matrix_rows.sh"

rows_all=(server_down reply_crlf package_404 sizes_above_2gb installer_busy slow_dotnet
  display_icon proxy changed_package)

# Edits the row's manifest: python code that changes the dict `m`.
edit_manifest() {
  python3 - "$packages/manifest.json" "$1" <<'PY'
import json, sys
path, code = sys.argv[1], sys.argv[2]
m = json.load(open(path, encoding="utf-8"))
exec(code)
json.dump(m, open(path, "w", encoding="utf-8"), ensure_ascii=False, indent=1)
PY
}

# Time of the first event line matching PATTERN (the log's times sort as text).
event_time() { grep -m1 -- "$1" "$SESSION_EVENTS" | cut -d' ' -f1; }

expect_event() { grep -q -- "$1" "$SESSION_EVENTS" 2>/dev/null || fail "no event '$1': $(cat "$SESSION_EVENTS" 2>/dev/null)"; }

product_started() { test -f "${product_logs[0]}" || test -f "${product_logs[1]}"; }

# The product's "DisplayIcon" in the registry view its setup wrote (64-bit, or 32-bit for the
# release's packages).
display_icon_value() {
  local key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuilloPDF转换器'
  for view in /reg:64 /reg:32; do
    WINEPREFIX=$SESSION_PREFIX "$session_wine" reg query "$key" /v DisplayIcon "$view" 2>/dev/null |
      tr -d '\r' | grep DisplayIcon && return 0
  done
  return 1
}

start_using() {
  click "$main" 300 363
  wait_until 30 product_started || fail "the product was not started"
  local status=0
  wait "$setup_pid" || status=$?
  [ "$status" = 1 ] || fail "the setup ended with $status after starting the product, not 1"
}

# Server down at the first click: the network tip, back on the install page at its height;
# with the server up, a second click installs.
row_server_down() {
  start_setup "$setup_exe"
  click_install
  expect_network_tip "the manifest could not be fetched"
  session_standin "$standin" "$packages"
  click_install
  wait_finished
  has_report P7 3.0.1.0 7003 || wait_until 20 has_report P7 3.0.1.0 7003 || fail "no 7003"
}

# A manifest reply that ends in "\r\n", as many servers send it.
row_reply_crlf() {
  session_standin "$standin" "$packages" --fault /api-pdf/get-zhq-package=trailing-crlf
  start_setup "$setup_exe"
  click_install
  wait_finished
}

# A package answering 404 three times, then 200: the attempts are spaced 0.5, 1 and 2 s.
row_package_404() {
  session_standin "$standin" "$packages" --fault /fontpack.dat=fail-first:3:404
  start_setup "$setup_exe"
  click_install
  wait_finished
  mapfile -t times < <(grep ' GET /fontpack.dat -> ' "$SESSION_OUT/standin.log" | cut -d' ' -f1)
  statuses=$(grep ' GET /fontpack.dat -> ' "$SESSION_OUT/standin.log" | awk '{print $NF}' | tr '\n' ' ')
  [ "$statuses" = "404 404 404 200 " ] || fail "requests of the package: $statuses"
  local least=(450 950 1950)
  for i in 0 1 2; do
    local gap=$((times[i + 1] - times[i]))
    note "attempt $((i + 2)) came ${gap} ms after attempt $((i + 1))"
    [ "$gap" -ge "${least[i]}" ] || fail "attempt $((i + 2)) came after $gap ms, before its backoff"
    [ "$gap" -lt $((least[i] + 5000)) ] || fail "attempt $((i + 2)) came $gap ms late"
  done
}

# Sizes above 2 GB, the largest size a manifest can give and "-1" announced (small files
# served): the finished page shows only after every package is installed.
row_sizes_above_2gb() {
  edit_manifest '
for e in m["pdfinstall"]:
    if e["name"] == "fontPack": e["size"] = "3000000000"
    if e["name"] == "installer": e["size"] = "4294967295"
    if e["name"] == "vcredist2005x86": e["size"] = "2500000000"
    if e["name"] == "bclx64": e["size"] = "-1"'
  export QUILLO_STANDIN_SETUP_MS=6000
  session_standin "$standin" "$packages"
  start_setup "$setup_exe"
  click_install
  wait_finished
  cp "$SESSION_EVENTS" "$SESSION_OUT/events-at-finish.log"
  for event in "installer end" "dotnet4 end" "vcredist2015 end"; do
    grep -q "$event" "$SESSION_OUT/events-at-finish.log" ||
      fail "the finished page showed before '$event': $(cat "$SESSION_OUT/events-at-finish.log")"
  done
}

# An installer that ends with 1618 (another installation in progress) is started again.
# Wine's Windows Installer does not answer 1618 while another installation runs, so a real
# stand-in process ends with it instead.
row_installer_busy() {
  export QUILLO_STANDIN_BUSY_ONCE="Z:${SESSION_OUT//\//\\}\\busy.marker"
  session_standin "$standin" "$packages"
  start_setup "$setup_exe"
  click_install
  wait_finished
  expect_event "vcredist2015 busy"
  expect_event "vcredist2015 end"
  [ "$(event_time 'vcredist2015 busy')" \< "$(event_time 'vcredist2015 start')" ] ||
    fail "the busy start did not come first: $(cat "$SESSION_EVENTS")"
  grep -q 'vc_redist2015_x86.exe exit code: 1618' "$SESSION_OUT/setup-stdout.log" ||
    fail "no exit code line for the busy start: $(cat "$SESSION_OUT/setup-stdout.log")"
}

# A slow .NET setup that writes its key early: the next package of its installer starts only
# after it ended.
row_slow_dotnet() {
  export QUILLO_STANDIN_DOTNET_MS=8000
  session_standin "$standin" "$packages"
  start_setup "$setup_exe"
  click_install
  wait_finished
  expect_event "dotnet4 wrote Client"
  expect_event "dotnet4 end"
  expect_event "vcredist2015 start"
  local ended started
  ended=$(event_time 'dotnet4 end')
  started=$(event_time 'vcredist2015 start')
  note ".NET setup ended $ended, next package started $started"
  [ "$ended" \< "$started" ] || fail "the next package started at $started, before .NET ended at $ended"
}

# "DisplayIcon" written as "<path>",0: the start-using button starts the product.
row_display_icon() {
  export QUILLO_STANDIN_ICON_FORM=quoted-index
  session_standin "$standin" "$packages"
  start_setup "$setup_exe"
  click_install
  wait_finished
  display_icon_value | grep -q 'QuilloPDF.exe",0' ||
    fail "the entry is not in the quoted form: $(display_icon_value)"
  start_using
}

# A proxy in the user's Internet settings: the manifest request and the reports pass through it.
row_proxy() {
  local proxy_log=$SESSION_OUT/proxy.log
  : >"$proxy_log"
  python3 "$here/logging_proxy.py" 3128 "$proxy_log" &
  session_proxy_pid=$!
  local settings='HKCU\Software\Microsoft\Windows\CurrentVersion\Internet Settings'
  WINEPREFIX=$SESSION_PREFIX "$session_wine" reg add "$settings" /v ProxyEnable /t REG_DWORD /d 1 /f >/dev/null 2>&1
  WINEPREFIX=$SESSION_PREFIX "$session_wine" reg add "$settings" /v ProxyServer /t REG_SZ /d 127.0.0.1:3128 /f >/dev/null 2>&1
  WINEPREFIX=$SESSION_PREFIX /usr/lib/wine/wineserver -w
  session_standin "$standin" "$packages"
  start_setup "$setup_exe"
  click_install
  wait_finished
  wait_until 20 grep -q 'POST http://127.0.0.1:38471/api-pdf/soft-pdf' "$proxy_log" ||
    fail "no report passed the proxy: $(cat "$proxy_log")"
  grep -q 'GET http://127.0.0.1:38471/api-pdf/get-zhq-package -> 200' "$proxy_log" ||
    fail "the manifest request did not pass the proxy: $(cat "$proxy_log")"
}

# A package changed on the server at the same address between two runs: the new one is
# installed, and the user's Internet cache holds no package.
row_changed_package() {
  session_standin "$standin" "$packages"
  start_setup "$setup_exe"
  click_install
  wait_finished
  start_using
  expect_event "installer end"
  # The product's setup at the same address is now another program: the .NET stand-in,
  # which refuses the product's command line in the event log, where it can be seen.
  cp "$packages/dotnet4_setup.exe" "$packages/QuilloPDF_setup.exe"
  edit_manifest 'pass'
  start_setup "$setup_exe"
  click_install
  wait_finished
  expect_event "dotnet4 refused /S /D="
  local cached
  cached=$(find "$SESSION_PREFIX/drive_c/users" -path '*/Temp' -prune -o -type f \
    \( -iname '*QuilloPDF_setup*' -o -iname '*bcl_sdk5*' -o -iname '*dotnet4_setup*' \
    -o -iname '*vcredist2005*' -o -iname '*vc_redist2015*' -o -iname '*fontpack*' \) -print)
  [ -z "$cached" ] || fail "packages left in the Internet cache: $cached"
}

if [ "${1:-}" = --row ]; then
  row=$2 setup_exe=$3 probe_exe=$4 standin=$5 packages_dir=$6 out=$7
  matrix_row_prepare "$out/$row" "$probe_exe" "$packages_dir"
  session_proxy_pid=""
  trap '[ -z "$session_proxy_pid" ] || kill "$session_proxy_pid" 2>/dev/null; session_stop' EXIT
  # A 64-bit setup installs below "Program Files", the 32-bit release below "Program Files (x86)".
  product_logs=("$SESSION_PREFIX/drive_c/Program Files/QuilloPDF/started.log"
    "$SESSION_PREFIX/drive_c/Program Files (x86)/QuilloPDF/started.log")
  matrix_row_run "$row"
fi

[ $# -ge 5 ] || {
  echo "usage: $0 SETUP_EXE PROBE_EXE STANDIN_PROGRAM PACKAGES_DIR OUT_DIR [ROW...]" >&2
  exit 2
}
setup_exe=$(realpath "$1") probe_exe=$(realpath "$2") standin=$(realpath "$3")
packages_dir=$(realpath "$4") out=$5
shift 5
rows=("$@")
[ ${#rows[@]} -gt 0 ] || rows=("${rows_all[@]}")
mkdir -p "$out"
out=$(realpath "$out")
matrix_table "fault matrix" 3 "$out" "$setup_exe" "$probe_exe" "$standin" "$packages_dir" "$out" \
  -- "${rows[@]}"
