#!/usr/bin/env bash
# The program's main job: the setup against the project's API stand-in.
#
# Installs what the build needs, builds the release tree (win32: the 32-bit program that
# users download, with 32-bit stand-in packages), starts the API stand-in with the demo
# manifest and the stand-in packages on the port the setup has compiled in, and runs the
# setup under Wine in a 64-bit Wine prefix of its own, under WoW64 as on 64-bit Windows:
#   - with a display (DISPLAY set), on that display, for you to click through;
#   - without one, on a virtual display (Xvfb), driven automatically through a whole
#     installation, with screenshots of every page and window.
# At the end it says where the screenshots and the report log are.
# Usage: scripts/run.sh [OUT_DIR]   (default build/run)
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
out=$(mkdir -p "${1:-build/run}" && cd "${1:-build/run}" && pwd)

echo "== installing what the build needs"
scripts/install-deps.sh
scripts/build-win-deps.sh i686 build/deps/i686

echo "== building the setup (the release tree: build/win32)"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target whole_program_tests -- -j2 \
  >"$out/build.log" 2>&1 || { tail -n 40 "$out/build.log" >&2; exit 1; }

setup=build/win32/shell/QuilloSetup.exe
probe=build/win32/tests/shell/window_probe.exe
standin=build/win32/tools/api_standin/host/api_standin
packages=build/win32/standin_packages

if [ -z "${DISPLAY:-}" ]; then
  echo "== no display: a whole installation on a virtual display, driven automatically"
  QUILLO_KEEP_PREFIX=1 tests/shell/setup_gui_test.sh "$setup" "$probe" "$standin" "$packages" "$out"
else
  echo "== the setup on your display ($DISPLAY); close it or install and press the start button"
  # shellcheck source=../tests/shell/gui_session.sh
  source tests/shell/gui_session.sh
  session_init "$out" "$probe"
  session_prefix
  session_standin "$standin" "$packages"
  cp "$setup" "$out/setup_P7_1.exe"
  export QUILLO_STANDIN_LOG="Z:${SESSION_EVENTS//\//\\}"
  wine_start "$out/setup_P7_1.exe"
  setup_pid=$!
  # A picture of the main window whenever it has changed, looked at every few seconds.
  (
    shot=0
    while kill -0 "$setup_pid" 2>/dev/null; do
      sleep 3
      window_shown quillo_trans_Install || continue
      name=$(printf 'session-%03d' $((shot + 1)))
      screenshot "$name" quillo_trans_Install || continue
      last=$SESSION_SHOTS/$(printf 'session-%03d' "$shot").png
      if [ "$shot" -gt 0 ] &&
        [ "$(compare -metric AE "$last" "$SESSION_SHOTS/$name.png" null: 2>&1)" = 0 ]; then
        rm -f "$SESSION_SHOTS/$name.png"
      else
        shot=$((shot + 1))
      fi
    done
  ) &
  status=0
  wait "$setup_pid" || status=$?
  echo "the setup ended with exit code $status"
fi

echo
echo "screenshots:  $out/screenshots/"
echo "report log:   $out/reports.jsonl (the step reports the stand-in received, one JSON line each)"
echo "package log:  $out/standin-events.log (what the stand-in packages did)"
echo "Wine prefix:  $out/prefix (what the installation left behind)"
