#!/usr/bin/env bash
# Installs every Debian package the build and the tests need. Idempotent: when all
# packages are present it only checks and returns within a second or two.
set -euo pipefail

packages=(
  # native build and tests
  cmake ninja-build g++ pkg-config clang-format
  # fuzz targets: clang with libFuzzer and the sanitizer runtimes, readable stack traces
  clang libclang-rt-14-dev llvm
  libcurl4-openssl-dev libjsoncpp-dev zlib1g-dev libpugixml-dev libstb-dev
  libgtest-dev libgmock-dev libbenchmark-dev libcpp-httplib-dev libssl-dev openssl
  # cross builds for Windows
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 libz-mingw-w64-dev binutils-mingw-w64-i686
  binutils-mingw-w64-x86-64
  # running and driving the Windows build
  wine64 xvfb xcompmgr xdotool x11-utils imagemagick fonts-wqy-microhei wixl iproute2
  # source packages of the cross-built libraries
  dpkg-dev curl zip unzip file
  # skin art generator and skin packer
  python3 fonts-dejavu-core
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

need_src=0
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/; then
  need_src=1
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

# The release is a 32-bit program that runs on 64-bit Windows: a 32-bit Wine beside wine64
# lets a 64-bit prefix run it under WoW64.
need_i386=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  need_i386=1
fi
if ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q 'install ok installed'; then
  missing+=(wine32:i386)
fi

if [ "$need_src" -eq 1 ]; then
  sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources |
    "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/debian-src.sources >/dev/null
fi

if [ "${#missing[@]}" -gt 0 ] || [ "$need_src" -eq 1 ] || [ "$need_i386" -eq 1 ]; then
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  if [ "${#missing[@]}" -gt 0 ]; then
    echo "installing: ${missing[*]}"
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi
