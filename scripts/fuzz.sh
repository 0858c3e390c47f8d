#!/usr/bin/env bash
# Builds the libFuzzer targets (preset fuzz, tree build/fuzz; clang with the address and
# undefined-behaviour sanitizers) and runs each for SECONDS (default 60), or only the TARGETs
# named. Seeds come from fuzz/corpus/TARGET (kept unchanged); what a run adds goes to
# build/fuzz/corpus/TARGET, reproducers to build/fuzz/crashes/TARGET/, logs to build/fuzz/logs/.
# Prints each target's executions and executions per second, and each crash with the path of
# its reproducer; fails when any target crashed.
#
# Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
#        build/fuzz/fuzz/TARGET REPRODUCER    runs one reproducer again
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true

targets=("$@")
if [ "${#targets[@]}" -eq 0 ]; then
  targets=(fuzz_manifest_reply fuzz_manifest_json fuzz_base64 fuzz_package_file_name
           fuzz_skin_archive fuzz_layout fuzz_archive_extract fuzz_entry_path)
fi

dictionary() {
  case "$1" in
    fuzz_manifest_json | fuzz_package_file_name) echo fuzz/dictionaries/json.dict ;;
    fuzz_layout) echo fuzz/dictionaries/xml.dict ;;
  esac
}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -- -j2 >/dev/null || cmake --build --preset fuzz -- -j1

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
failed=()
for target in "${targets[@]}"; do
  corpus=build/fuzz/corpus/$target
  crashes=build/fuzz/crashes/$target
  log=build/fuzz/logs/$target.log
  mkdir -p "$corpus" "$crashes" build/fuzz/logs
  options=(-max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$crashes/")
  dict=$(dictionary "$target")
  [ -n "$dict" ] && options+=(-dict="$dict")
  status=0
  "build/fuzz/fuzz/$target" "${options[@]}" "$corpus" "fuzz/corpus/$target" >"$log" 2>&1 ||
    status=$?
  runs=$(awk '/stat::number_of_executed_units/ {print $2}' "$log")
  speed=$(awk '/stat::average_exec_per_sec/ {print $2}' "$log")
  printf '%-24s %10s executions %8s exec/s  corpus %s inputs\n' "$target" "${runs:-?}" \
    "${speed:-?}" "$(find "$corpus" -type f | wc -l)"
  if [ "$status" -ne 0 ]; then
    reproducer=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -1)
    echo "  CRASH (exit $status): reproducer ${reproducer:-none written}; log $log"
    grep -m1 -E 'ERROR: |broken promise|runtime error|Timeout|out-of-memory' "$log" | sed 's/^/  /' || true
    failed+=("$target")
  fi
done

if [ "${#failed[@]}" -gt 0 ]; then
  echo "fuzzing found crashes in: ${failed[*]}" >&2
  exit 1
fi
