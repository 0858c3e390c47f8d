#!/usr/bin/env bash
# The whole test suite from a fresh clone: installs what the build needs, builds the Linux
# (plain, address/UB sanitizers, thread sanitizer) and Windows (i686 release, x86_64) trees,
# runs the Linux tests natively and the Windows unit tests under wine64, checks the release's
# size, runs the whole-program tests on the release, the 32-bit program under WoW64, and runs
# each fuzz target briefly.
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

step "win32 build (the release program and what its whole-program tests run)"
cmake --preset win32 >/dev/null
cmake --build --preset win32 --target whole_program_tests -- -j2 >/dev/null ||
  cmake --build --preset win32 --target whole_program_tests -- -j1
release=build/win32/shell/QuilloSetup.exe
file "$release" | grep -q 'PE32 executable (GUI) Intel 80386' ||
  { echo "$release is not a 32-bit Windows GUI program" >&2; exit 1; }

step "release size"
# What users download. The budget is lowered whenever the program gets smaller, so that
# growth is a decision rather than an accident.
release_budget=1300000
size_of() { stat -c %s "$1"; }
printf '%-44s %9d bytes\n' "$release" "$(size_of "$release")" \
  "  archive tool (resource EXE 104)" "$(size_of build/win32/resources/archive_tool.exe)" \
  "  skin archive (resource ZIPRES 101)" "$(size_of build/win32/skin/skin.zip)"
i686-w64-mingw32-objdump -h "$release" | while read -r _ name size _; do
  if [[ $name == .* ]]; then printf '  section %-34s %9d bytes\n' "$name" "$((16#$size))"; fi
done
# A static library built without its static-library define marks its functions for export,
# which gives the program an export table it has no use for.
exports=$(i686-w64-mingw32-objdump -p "$release" | sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/p')
if [ -n "$exports" ]; then
  printf '%s exports functions:\n%s\n' "$release" "$exports" >&2
  exit 1
fi
echo "  exports: none"
if [ "$(size_of "$release")" -gt "$release_budget" ]; then
  echo "$release is larger than its budget of $release_budget bytes" >&2
  exit 1
fi
echo "within the budget of $release_budget bytes"

step "win32 whole-program tests (the release under WoW64 in a 64-bit Wine prefix)"
ctest --preset win32 -j2

step "all passed"
