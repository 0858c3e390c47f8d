#!/usr/bin/env bash
# Cross-builds the Windows libraries the project links statically (libcurl, jsoncpp,
# pugixml) from Debian's source packages, with Debian's patches applied.
# Usage: build-win-deps.sh ARCH PREFIX   (ARCH: i686 or x86_64)
# The prefix is reused when its stamp matches, so a second run costs nothing.
set -euo pipefail

arch=$1
mkdir -p "$2"
prefix=$(cd "$2" && pwd)
host=${arch}-w64-mingw32
stamp="$prefix/.stamp"
recipe_version=5
[ -f "$stamp" ] && [ "$(cat "$stamp")" = "$recipe_version" ] && exit 0

work="$prefix.work"
rm -rf "$work" "$prefix"
mkdir -p "$work/src" "$prefix"

# Source packages are downloaded once per machine and shared by both architectures.
cache="${QUILLO_SOURCE_CACHE:-$(dirname "$prefix")/sources}"
mkdir -p "$cache"
(
  cd "$cache"
  flock 9
  for pkg in curl libjsoncpp pugixml; do
    ls "${pkg}"_*.dsc >/dev/null 2>&1 || apt-get source --download-only -qq "$pkg" 2>/dev/null
  done
) 9>"$cache/.lock"

extract() { # package-prefix -> extracted directory
  local dsc
  dsc=$(ls "$cache/$1"_*.dsc | head -n1)
  dpkg-source --no-check -x "$dsc" "$work/src/$1" >/dev/null
  echo "$work/src/$1"
}

toolchain="$work/toolchain.cmake"
cat >"$toolchain" <<TC
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR $arch)
set(CMAKE_C_COMPILER ${host}-gcc-posix)
set(CMAKE_CXX_COMPILER ${host}-g++-posix)
set(CMAKE_RC_COMPILER ${host}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${host} $prefix)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
TC

build() {
  local t0=$SECONDS # source-dir cmake-args...
  local src=$1; shift
  cmake -S "$src" -B "$src/_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >/dev/null
  cmake --build "$src/_build" >/dev/null
  cmake --install "$src/_build" >/dev/null
  echo "$(basename "$src"): $((SECONDS-t0))s" >&2
}

# curl's own MinGW makefile needs no configure step, which saves minutes over CMake.
curl_src=$(extract curl)
mkdir -p "$curl_src/lib/$host"
CFLAGS="-O2" CPPFLAGS="-DHTTP_ONLY" make -C "$curl_src/lib" -f Makefile.mk -j"$(nproc)" \
  CROSSPREFIX="$host-" CFG=-ipv6 libcurl.a >/dev/null 2>"$work/curl.log" ||
  { cat "$work/curl.log" >&2; exit 1; }
mkdir -p "$prefix/lib" "$prefix/include/curl"
cp "$curl_src/lib/libcurl.a" "$prefix/lib/"
cp "$curl_src"/include/curl/*.h "$prefix/include/curl/"
build "$(extract libjsoncpp)" -DJSONCPP_WITH_TESTS=OFF -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF \
  -DBUILD_SHARED_LIBS=OFF -DBUILD_STATIC_LIBS=ON -DBUILD_OBJECT_LIBS=OFF \
  -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF -DJSONCPP_WITH_CMAKE_PACKAGE=ON
build "$(extract pugixml)" -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF

rm -rf "$work"
echo "$recipe_version" >"$stamp"
