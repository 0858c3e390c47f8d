#!/usr/bin/env bash
# The whole test suite from a fresh clone: installs what the build needs, builds the Linux
# (plain, address/UB sanitizers, thread sanitizer) and Windows (i686 release, x86_64) trees,
# runs the Linux tests natively and the Windows tests under wine64, and runs each fuzz target
# briefly.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
step() { printf '\n== %s (%ds)\n' "$*" $((SECONDS - start)); }

step "dependencies"
scripts/install-deps.sh
scripts/build-win-deps.sh x86_64 build/deps/x86_64 &
deps64=$!
scripts/build-win-deps.sh i686 build/deps/i686 &
deps32=$!
scripts/wine-prefix.sh build/wine/prefix

build() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1" -- -j2 >/dev/null || cmake --build --preset "$1" -- -j1
}

step "linux build"
build linux
step "linux tests"
ctest --preset linux

step "linux-asan build"
build linux-asan
step "linux-asan tests"
ctest --preset linux-asan

step "fuzz targets, 15 seconds each"
scripts/fuzz.sh 15

step "linux-tsan build (the threading tests only)"
cmake --preset linux-tsan >/dev/null
mapfile -t tsan_targets < <(ctest --preset linux-tsan -N | awk '/Test +#/ {print $3}')
cmake --build --preset linux-tsan --target "${tsan_targets[@]}" -- -j2 >/dev/null ||
  cmake --build --preset linux-tsan --target "${tsan_targets[@]}" -- -j1
step "linux-tsan tests"
ctest --preset linux-tsan

wait "$deps64"
wait "$deps32"
step "win64 build"
build win64
step "win64 tests (wine64)"
# Most of these wait on Wine, windows and processes rather than the processors.
ctest --preset win64 -j3

step "win32 build (the release program)"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target setup -- -j2 >/dev/null ||
  cmake --build --preset win32 --target setup -- -j1
release=build/win32/shell/QuilloSetup.exe
file "$release" | grep -q 'PE32 executable (GUI) Intel 80386' ||
  { echo "$release is not a 32-bit Windows GUI program" >&2; exit 1; }
echo "$release: $(stat -c %s "$release") bytes"

step "all passed"
