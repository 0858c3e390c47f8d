#!/usr/bin/env bash
# Cross-builds the Windows libraries the project links statically (libcurl, jsoncpp,
# pugixml) from Debian's source packages, with Debian's patches applied. They are built for
# size: -Os, each function and datum in a section of its own so that the program's link keeps
# only what it calls, and no stream or locale code where the setup has no use for it.
# Usage: build-win-deps.sh ARCH PREFIX   (ARCH: i686 or x86_64)
# The prefix is reused when its stamp matches, so a second run costs nothing.
set -euo pipefail

arch=$1
mkdir -p "$2"
prefix=$(cd "$2" && pwd)
host=${arch}-w64-mingw32
stamp="$prefix/.stamp"
recipe_version=6
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

size_flags="-Os -ffunction-sections -fdata-sections"

build() {
  local t0=$SECONDS # source-dir cmake-args...
  local src=$1; shift
  cmake -S "$src" -B "$src/_build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_C_FLAGS="$size_flags" -DCMAKE_CXX_FLAGS="$size_flags" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "$@" >/dev/null
  cmake --build "$src/_build" >/dev/null
  cmake --install "$src/_build" >/dev/null
  echo "$(basename "$src"): $((SECONDS-t0))s" >&2
}

# curl's own MinGW makefile needs no configure step, which saves minutes over CMake. The
# setup speaks plain HTTP to its API server, directly or through a proxy (with Basic or
# Digest authentication), with timeouts; everything else is left out. CURL_STATICLIB keeps
# the library from marking its functions for export, which would make the program export
# them. C code throws nothing, so it needs no unwind tables. (Its Windows configuration
# claims C99 variadic macros only for MSVC; the quiet logging needs them.)
curl_features="-DCURL_STATICLIB -DHTTP_ONLY -DCURL_DISABLE_ALTSVC -DCURL_DISABLE_COOKIES
  -DCURL_DISABLE_DOH -DCURL_DISABLE_GETOPTIONS -DCURL_DISABLE_HEADERS_API -DCURL_DISABLE_HSTS
  -DCURL_DISABLE_LIBCURL_OPTION -DCURL_DISABLE_MIME -DCURL_DISABLE_NETRC -DCURL_DISABLE_NTLM
  -DCURL_DISABLE_PROGRESS_METER -DCURL_DISABLE_SHUFFLE_DNS -DCURL_DISABLE_VERBOSE_STRINGS
  -DHAVE_VARIADIC_MACROS_C99"
curl_src=$(extract curl)
mkdir -p "$curl_src/lib/$host"
CFLAGS="$size_flags -fno-asynchronous-unwind-tables" CPPFLAGS="$(echo $curl_features)" \
  make -C "$curl_src/lib" -f Makefile.mk -j"$(nproc)" \
  CROSSPREFIX="$host-" CFG=-ipv6 libcurl.a >/dev/null 2>"$work/curl.log" ||
  { cat "$work/curl.log" >&2; exit 1; }
mkdir -p "$prefix/lib" "$prefix/include/curl"
cp "$curl_src/lib/libcurl.a" "$prefix/lib/"
cp "$curl_src"/include/curl/*.h "$prefix/include/curl/"

# jsoncpp formats its assertion messages and reads numbers through string streams, and reads
# and writes std::streams, which brings in most of libstdc++'s stream and locale code: the
# messages are passed on as they are, numbers are read with strtod (the program never changes
# the C locale) and the stream functions are left out.
jsoncpp_src=$(extract libjsoncpp)
python3 - "$jsoncpp_src" <<'PATCH'
import pathlib, re, sys
src = pathlib.Path(sys.argv[1])
assertions = src / "include/json/assertions.h"
text = assertions.read_text()
text = re.sub(r"OStringStream oss;\s*\\\n\s*oss << message;\s*\\\n(\s*)Json::throwLogicError\(oss.str\(\)\);",
              r"\1Json::throwLogicError(message);", text)
text = re.sub(r"OStringStream oss;\s*\\\n\s*oss << message;\s*\\\n(\s*)assert\(false && oss.str\(\).c_str\(\)\);",
              r"\1assert(false && message);", text)
assert "OStringStream" not in text, "jsoncpp's assertions changed shape"
assertions.write_text(text)
reader = src / "src/lib_json/json_reader.cpp"
text = reader.read_text()
stream_read = """  IStringStream is(buffer);
  if (!(is >> value))"""
assert text.count(stream_read) == 2, "jsoncpp's number reading changed shape"
text = text.replace(stream_read, """  char* end = nullptr;
  errno = 0;
  value = std::strtod(buffer.c_str(), &end);
  if (end != buffer.c_str() + buffer.size() || errno == ERANGE)""")
text = text.replace("#include <istream>", "#include <cerrno>\n#include <cstdlib>\n#include <istream>", 1)
reader.write_text(text)
# The reading and writing of std::streams goes: the setup parses and writes strings only.
# (The linker keeps every function of a file it links, since each file's unwind table refers
# to all of them, so a function that nobody calls still brings in what it calls.)
def cut(text, start, end, what):
    first = text.index(start)
    first = text.rindex("\n", 0, first) + 1
    last = text.index(end, first)
    assert last > first, what
    return text[:first] + text[last:]
text = reader.read_text()
text = cut(text, "bool Reader::parse(std::istream& is", "bool Reader::parse(const char* beginDoc",
           "the stream parse")
text = cut(text, "bool parseFromStream(", "} // namespace Json", "the stream functions")
reader.write_text(text)
writer = src / "src/lib_json/json_writer.cpp"
text = writer.read_text()
text = cut(text, "StyledStreamWriter::StyledStreamWriter(", "} // namespace Json",
           "the stream writers")
writer.write_text(text)
value = src / "src/lib_json/json_value.cpp"
text = value.read_text()
styled = """  StreamWriterBuilder builder;

  String out = this->hasComment(commentBefore) ? "\\n" : "";
  out += Json::writeString(builder, *this);
  out += '\\n';"""
assert styled in text, "jsoncpp's toStyledString changed shape"
text = text.replace(styled, """  StyledWriter writer;
  String out = this->hasComment(commentBefore) ? "\\n" : "";
  out += writer.write(*this);""")
value.write_text(text)
# <iostream> gives each file a static initialiser of the standard streams.
for source in (reader, value):
    source.write_text(source.read_text().replace("#include <iostream>\n", ""))
PATCH
build "$jsoncpp_src" -DJSONCPP_WITH_TESTS=OFF -DJSONCPP_WITH_POST_BUILD_UNITTEST=OFF \
  -DBUILD_SHARED_LIBS=OFF -DBUILD_STATIC_LIBS=ON -DBUILD_OBJECT_LIBS=OFF \
  -DJSONCPP_WITH_PKGCONFIG_SUPPORT=OFF -DJSONCPP_WITH_CMAKE_PACKAGE=ON
# The toolkit parses layouts from memory buffers: no streams or std::string interface, no
# XPath. The installed pugiconfig.hpp carries the choice to every user of the headers.
pugixml_src=$(extract pugixml)
sed -i -e 's|^// #define PUGIXML_NO_XPATH|#define PUGIXML_NO_XPATH|' \
  -e 's|^// #define PUGIXML_NO_STL|#define PUGIXML_NO_STL|' "$pugixml_src/src/pugiconfig.hpp"
grep -q '^#define PUGIXML_NO_STL' "$pugixml_src/src/pugiconfig.hpp"
build "$pugixml_src" -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF

rm -rf "$work"
echo "$recipe_version" >"$stamp"
