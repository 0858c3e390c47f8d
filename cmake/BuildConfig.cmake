# Release engineers set the API host, the payload key and the file version at configure
# time; the code reads them from one generated header.
string(REPLACE "." ";" _version_parts "${QUILLO_SETUP_VERSION}")
list(GET _version_parts 0 QUILLO_VERSION_MAJOR)
list(GET _version_parts 1 QUILLO_VERSION_MINOR)
list(GET _version_parts 2 QUILLO_VERSION_PATCH)
list(GET _version_parts 3 QUILLO_VERSION_BUILD)

set(QUILLO_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
configure_file(${CMAKE_SOURCE_DIR}/cmake/build_config.h.in
               ${QUILLO_GENERATED_DIR}/build_config.h @ONLY)

add_library(quillo_build_config INTERFACE)
target_include_directories(quillo_build_config INTERFACE ${QUILLO_GENERATED_DIR})

# Everything includes headers by their path from the repository root.
include_directories(${CMAKE_SOURCE_DIR})

# Gives a Windows program the version resource: the configured file version and a product
# version that differs from it.
function(quillo_add_version_resource target description)
  if(WIN32)
    set(QUILLO_VERSION_DESCRIPTION "${description}")
    set(_rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${CMAKE_SOURCE_DIR}/cmake/version.rc.in ${_rc} @ONLY)
    target_sources(${target} PRIVATE ${_rc})
  endif()
endfunction()
