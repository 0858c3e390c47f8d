# Linux builds take Debian's packages; Windows builds take the mingw packages and the
# libraries that scripts/build-win-deps.sh cross-builds into QUILLO_WIN_DEPS.
find_package(Threads REQUIRED)

if(WIN32)
  set(QUILLO_WIN_DEPS "" CACHE PATH "Prefix of the cross-built Windows libraries")
  if(NOT QUILLO_WIN_DEPS OR NOT EXISTS "${QUILLO_WIN_DEPS}/lib/libcurl.a")
    message(FATAL_ERROR "QUILLO_WIN_DEPS must point at the output of scripts/build-win-deps.sh")
  endif()
  list(PREPEND CMAKE_FIND_ROOT_PATH "${QUILLO_WIN_DEPS}")

  add_library(CURL::libcurl STATIC IMPORTED GLOBAL)
  set_target_properties(CURL::libcurl PROPERTIES
    IMPORTED_LOCATION "${QUILLO_WIN_DEPS}/lib/libcurl.a"
    INTERFACE_INCLUDE_DIRECTORIES "${QUILLO_WIN_DEPS}/include"
    INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB
    INTERFACE_LINK_LIBRARIES "ws2_32;crypt32;bcrypt;advapi32")

  add_library(JsonCpp::JsonCpp STATIC IMPORTED GLOBAL)
  set_target_properties(JsonCpp::JsonCpp PROPERTIES
    IMPORTED_LOCATION "${QUILLO_WIN_DEPS}/lib/libjsoncpp.a"
    INTERFACE_INCLUDE_DIRECTORIES "${QUILLO_WIN_DEPS}/include")

  add_library(pugixml::pugixml STATIC IMPORTED GLOBAL)
  set_target_properties(pugixml::pugixml PROPERTIES
    IMPORTED_LOCATION "${QUILLO_WIN_DEPS}/lib/libpugixml.a"
    INTERFACE_INCLUDE_DIRECTORIES "${QUILLO_WIN_DEPS}/include")

  # zlib from the mingw package, linked statically.
  set(ZLIB_USE_STATIC_LIBS ON)
  find_package(ZLIB REQUIRED)

  # GoogleTest from Debian's source copy, built with the cross compiler.
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(CURL REQUIRED)
  # libcrypto stands in for the Windows cryptography (CNG) of the platform layer.
  find_package(OpenSSL REQUIRED COMPONENTS Crypto)
  find_package(ZLIB REQUIRED)
  find_package(GTest REQUIRED)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(JSONCPP REQUIRED IMPORTED_TARGET jsoncpp)
  add_library(JsonCpp::JsonCpp ALIAS PkgConfig::JSONCPP)
  find_package(pugixml REQUIRED)
  pkg_check_modules(HTTPLIB REQUIRED IMPORTED_TARGET cpp-httplib)
  add_library(httplib::httplib ALIAS PkgConfig::HTTPLIB)
  find_package(benchmark QUIET)
endif()

# stb is header-only; Debian's libstb-dev installs it for the native compiler, and the
# cross builds take only that folder.
find_path(QUILLO_STB_INCLUDE stb_image.h PATHS /usr/include/stb NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(quillo_stb INTERFACE)
target_include_directories(quillo_stb SYSTEM INTERFACE ${QUILLO_STB_INCLUDE})
