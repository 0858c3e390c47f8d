#!/usr/bin/env bash
# Downloads one large package from the API stand-in on loopback twice, once with curl -o and
# once with the setup's downloader thread, and prints both throughputs and the downloader's
# peak memory. Not a test: it only prints figures. With a Windows build folder (build/win64)
# the downloader is the urlmon one, run under wine64.
# Usage: run_download_benchmark.sh BUILD_DIR [MEGABYTES]   (default 500)
set -euo pipefail
build=${1:?usage: run_download_benchmark.sh BUILD_DIR [MEGABYTES]}
megabytes=${2:-500}
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
if [ -f "$build/tools/download_benchmark/download_benchmark.exe" ]; then
  standin=$build/tools/api_standin/host/api_standin
  run_benchmark() {
    "$scripts/wine-run.sh" "$build/tools/download_benchmark/download_benchmark.exe" \
      "$1" "Z:${2//\//\\}" | tr -d '\r'
  }
else
  standin=$build/tools/api_standin/api_standin
  run_benchmark() { "$build/tools/download_benchmark/download_benchmark" "$@"; }
fi
work=$(mktemp -d /tmp/quillo-download-benchmark.XXXXXX)
trap 'curl -s "http://127.0.0.1:$(cat "$work/port" 2>/dev/null)/standin/quit" >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

mkdir -p "$work/packages"
head -c "$((megabytes * 1024 * 1024))" /dev/urandom > "$work/packages/setup.exe"
"$standin" --packages "$work/packages" --port-file "$work/port" --idle-exit 120 >/dev/null &
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.05; done
url="http://127.0.0.1:$(cat "$work/port")/setup.exe"
bytes=$((megabytes * 1024 * 1024))

curl_seconds=$(curl -s -o "$work/by-curl.exe" -w '%{time_total}' "$url")
cmp -s "$work/packages/setup.exe" "$work/by-curl.exe" || { echo "curl copy differs"; exit 1; }
rm -f "$work/by-curl.exe"

# The downloader checks the file's hash after the transfer, as for a manifest with "sha256".
sha256=$(sha256sum "$work/packages/setup.exe" | cut -d' ' -f1)
output=$(run_benchmark "$url" "$work/by-downloader.exe" "$sha256")
echo "$output" | grep -v '^downloader_seconds='
cmp -s "$work/packages/setup.exe" "$work/by-downloader.exe" || { echo "downloader copy differs"; exit 1; }
downloader_seconds=$(echo "$output" | sed -n 's/^downloader_seconds=//p')

awk -v b="$bytes" -v c="$curl_seconds" -v d="$downloader_seconds" -v m="$megabytes" 'BEGIN {
  printf "file: %d MB from the stand-in on 127.0.0.1\n", m
  printf "curl -o:    %6.2f s  %8.1f MB/s\n", c, b / c / 1048576
  printf "downloader: %6.2f s  %8.1f MB/s\n", d, b / d / 1048576
}'
