#!/usr/bin/env bash
# The whole setup program as a user meets it: the real program, copied to setup_P7_1.exe,
# on an Xvfb display of its own and in a fresh 64-bit Wine prefix (the 32-bit release runs
# there under WoW64, as on 64-bit Windows), against the API stand-in (demo manifest,
# stand-in packages) on the port the program has compiled in.
# Real mouse clicks (xdotool); screenshots of the pages, the agreement and both tips stay in
# OUT_DIR/screenshots, with the stand-in's report log and the packages' event log beside.
#
# Usage: setup_gui_test.sh SETUP_EXE PROBE_EXE STANDIN_PROGRAM PACKAGES_DIR OUT_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=gui_session.sh
source "$here/gui_session.sh"

[ $# -eq 5 ] || { echo "usage: $0 SETUP_EXE PROBE_EXE STANDIN_PROGRAM PACKAGES_DIR OUT_DIR" >&2; exit 2; }
setup_exe=$1
packages=$4
session_init "$5" "$2"
session_prefix
session_display
session_standin "$3" "$packages"

# The channel is taken from the program's file name.
program=$SESSION_OUT/setup_P7_1.exe
cp "$setup_exe" "$program"
# The setup passes these on to the packages it starts: delays short enough to keep the run
# brief, and long enough for the progress page to be watched while the product installs.
export QUILLO_STANDIN_LOG="Z:${SESSION_EVENTS//\//\\}"
export QUILLO_STANDIN_SETUP_MS=9000 QUILLO_STANDIN_DOTNET_MS=1500 QUILLO_STANDIN_VCREDIST_MS=300

main=quillo_trans_Install
# A 32-bit setup on 64-bit Windows installs the 32-bit product into the folder for 32-bit
# programs and registers it in the 32-bit registry view.
uninstall_64='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
uninstall_32='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Uninstall'
if file -b "$setup_exe" | grep -q '^PE32 '; then
  program_files='Program Files (x86)'
  product_view=$uninstall_32
else
  program_files='Program Files'
  product_view=$uninstall_64
fi
product_log="$SESSION_PREFIX/drive_c/$program_files/QuilloPDF/started.log"

expect_window() { # TITLE CLASS WIDTH HEIGHT OWNER
  probe "$1" || fail "no window $1"
  [ "$WINDOW_CLASS $WINDOW_WIDTH x $WINDOW_HEIGHT owner $WINDOW_OWNER" = "$2 $3 x $4 owner $5" ] ||
    fail "$1 is $WINDOW_CLASS $WINDOW_WIDTH x $WINDOW_HEIGHT owner $WINDOW_OWNER, not $2 $3 x $4 owner $5"
}

expect_exit() { # PID CODE WHAT
  local status=0
  wait "$1" || status=$?
  [ "$status" = "$2" ] || fail "$3 ended with $status, not $2"
}

# Pixels of the install button in a screenshot of the install page (12 px margin).
install_button_of() {
  convert "$1" -crop 190x74+$((205 + 12))+$((240 + 12)) +repage "$2"
}

note "the first copy opens on the install page"
wine_start "$program"
first=$!
wait_until 60 window_shown "$main" || fail "the main window did not open"
expect_window "$main" CMainWnd 600 360 -
wait_until 30 has_report P7 3.0.1.0 7001 ||
  fail "no report 7001 with channel P7 and version 3.0.1.0: $(cat "$SESSION_REPORTS" 2>/dev/null)"
screenshot 1-install-page "$main"

note "a second copy is refused and ends with 0"
wine_start "$program"
second=$!
wait_until 60 window_shown WndTip1 || fail "the second copy showed no tip"
expect_window WndTip1 CTipWnd 416 196 -
screenshot 2-tip-already-running WndTip1
click WndTip1 208 148
expect_exit "$second" 0 "the second copy"
window_shown "$main" || fail "the first copy went away"

note "the options panel grows the window to 470 and back to 360"
click "$main" 538 335
wait_until 10 window_height_is "$main" 470 || fail "the options panel did not open"
screenshot 3-install-page-options "$main"
click "$main" 538 335
wait_until 10 window_height_is "$main" 360 || fail "the options panel did not close"

note "the agreement opens over the main window and its confirm button closes it"
click "$main" 145 335
wait_until 20 window_shown WndAgreement || fail "the agreement did not open"
expect_window WndAgreement CAgreementWnd 612 410 "$main"
probe "$main" && [ "$WINDOW_ENABLED" = 0 ] || fail "the main window stayed enabled under the agreement"
screenshot 4-agreement WndAgreement
click WndAgreement 306 372
wait_until 10 window_gone WndAgreement || fail "the agreement did not close"

note "unticking the box disables the install button"
click "$main" 28 335
screenshot 5-install-page-unticked "$main"
install_button_of "$SESSION_SHOTS/1-install-page.png" "$SESSION_OUT/button-ticked.png"
install_button_of "$SESSION_SHOTS/5-install-page-unticked.png" "$SESSION_OUT/button-unticked.png"
differing=$(compare -metric AE "$SESSION_OUT/button-ticked.png" "$SESSION_OUT/button-unticked.png" null: 2>&1 || true)
[ "${differing%% *}" -gt 1000 ] || fail "the install button looks the same unticked ($differing pixels differ)"
click "$main" 300 277
sleep 1.5
window_height_is "$main" 360 || fail "the disabled install button started something"
report_steps | grep -qx 7002 && fail "the disabled install button fetched the manifest"
click "$main" 28 335

note "install: the progress page at 266, a rising percentage"
click "$main" 300 277
wait_until 10 window_height_is "$main" 266 || fail "the progress page did not show"
fills=("$(bar_fill)")
screenshot 6-progress-page "$main"
deadline=$((SECONDS + 30))
until [ "$(printf '%s\n' "${fills[@]}" | sort -u | wc -l)" -ge 2 ]; do
  [ "$SECONDS" -lt "$deadline" ] && window_height_is "$main" 266 ||
    fail "the bar did not rise while installing: ${fills[*]}"
  fills+=("$(bar_fill)")
done

note "the close button asks; no keeps the installation going"
click "$main" 572 24
wait_until 20 window_shown WndTip2 || fail "the exit question did not show"
expect_window WndTip2 CTipWnd 416 196 "$main"
screenshot 7-tip-exit-question WndTip2
click WndTip2 275 154
wait_until 10 window_gone WndTip2 || fail "the exit question did not close"
window_shown "$main" || fail "no closed the setup"

deadline=$((SECONDS + 150))
while ! window_height_is "$main" 400; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the installation did not finish; bar: ${fills[*]}"
  fill=$(bar_fill)
  # A sample taken while the finished page replaced the progress page does not count.
  if window_height_is "$main" 266; then
    fills+=("$fill")
  fi
done
note "bar fill samples: ${fills[*]}"
previous=0
for fill in "${fills[@]}"; do
  [ "$fill" -ge "$previous" ] || fail "the bar went back: ${fills[*]}"
  previous=$fill
done

note "finished: the page at 400, reports 7002 and 7003"
wait_until 20 has_report P7 3.0.1.0 7003 || fail "no report 7003: $(report_steps | tr '\n' ' ')"
has_report P7 3.0.1.0 7002 || fail "no report 7002: $(report_steps | tr '\n' ' ')"
screenshot 8-finished-page "$main"
grep -qF "installer start /S /D=C:\\$program_files\\QuilloPDF" "$SESSION_EVENTS" ||
  fail "the product's setup did not get the default folder: $(cat "$SESSION_EVENTS")"
registry() { "$session_wine" reg query "$@" 2>/dev/null | tr -d '\r'; }
# reg prints the Chinese characters of the product's key as question marks.
registry "$product_view" /s | grep -qF "InstallLocation    REG_SZ    C:\\$program_files\\QuilloPDF" ||
  fail "the product is not registered in $product_view: $(registry "$product_view" /s)"
# The SDK is the one for the machine's own architecture, registered in the 64-bit view.
sdks=$(registry "$uninstall_64" /s | grep -o 'BCL easyConverter SDK 5 Word (..-bit)' || true)
[ "$sdks" = "BCL easyConverter SDK 5 Word (64-bit)" ] ||
  fail "the 64-bit view holds the SDKs '${sdks:-none}', not the 64-bit one alone"

note "start using: the window hides, the product starts, the setup ends with 1"
click "$main" 300 376
clicked=$SECONDS
wait_until 3 window_hidden "$main" || fail "the window did not hide"
wait_until 30 test -f "$product_log" || fail "the product was not started"
expect_exit "$first" 1 "the first copy"
[ $((SECONDS - clicked)) -ge 3 ] || fail "the setup ended before its two pauses"
grep -q 'product started' "$SESSION_EVENTS" || fail "the product's start is not in the event log"

note "a new run: the close button's yes ends the process with 0"
wine_start "$program"
third=$!
wait_until 60 window_shown "$main" || fail "the main window did not open again"
click "$main" 572 24
wait_until 20 window_shown WndTip2 || fail "the exit question did not show"
click WndTip2 141 154
expect_exit "$third" 0 "the setup after yes"

note "passed; screenshots in $SESSION_SHOTS, reports in $SESSION_REPORTS"
# The prefix is kept after a failure, and when asked to (QUILLO_KEEP_PREFIX=1), for a look
# at what the installation left behind.
if [ -z "${QUILLO_KEEP_PREFIX:-}" ]; then
  session_stop
  rm -rf "$SESSION_PREFIX"
fi
