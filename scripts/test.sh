#!/usr/bin/env bash
# The whole test suite from a fresh clone: installs what the build needs, builds the Linux
# (plain, address/UB sanitizers, thread sanitizer) and Windows (i686 release, x86_64) trees,
# and runs the Linux tests natively and the Windows tests under wine64.
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
ctest --preset win64

step "win32 build"
build win32

step "all passed"
