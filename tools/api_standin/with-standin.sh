#!/usr/bin/env bash
# Runs COMMAND while an API stand-in serves, for scripts and whole runs of the setup.
# Usage: with-standin.sh PROGRAM [stand-in options] -- COMMAND [ARGS...]
#   PROGRAM is the built stand-in (build/<tree>/tools/api_standin/api_standin, or
#   .../tools/api_standin/host/api_standin in a Windows tree). Pass "--port 38471" to serve
#   the host the setup program has compiled in.
# COMMAND sees QUILLO_API_STANDIN_URL (http://127.0.0.1:PORT) and QUILLO_API_STANDIN_REPORTS
# (the report log, JSON lines). The stand-in stops when COMMAND ends; the exit code is
# COMMAND's.
set -euo pipefail

program=$1
shift
options=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do
  options+=("$1")
  shift
done
[ "${1:-}" = "--" ] || { echo "usage: $0 PROGRAM [options] -- COMMAND..." >&2; exit 2; }
shift

scratch=$(mktemp -d /tmp/quillo-standin-XXXXXX)
"$program" --port-file "$scratch/port" --report-log "$scratch/reports.jsonl" \
  --idle-exit 600 "${options[@]}" >"$scratch/standin.log" 2>&1 &
standin=$!
stop() {
  kill "$standin" 2>/dev/null || true
  wait "$standin" 2>/dev/null || true
  rm -rf "$scratch"
}
trap stop EXIT

for _ in $(seq 1 500); do
  [ -s "$scratch/port" ] && break
  kill -0 "$standin" 2>/dev/null || { cat "$scratch/standin.log" >&2; exit 1; }
  sleep 0.01
done
[ -s "$scratch/port" ] || { echo "the stand-in did not start" >&2; exit 1; }

export QUILLO_API_STANDIN_URL="http://127.0.0.1:$(cat "$scratch/port")"
export QUILLO_API_STANDIN_REPORTS="$scratch/reports.jsonl"
status=0
"$@" || status=$?
exit "$status"
