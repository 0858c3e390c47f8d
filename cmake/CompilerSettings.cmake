# Warnings are errors on every target; Windows builds link statically so the programs
# need no DLLs beside them.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Werror)

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                          _WIN32_WINNT=0x0601 WINVER=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
  # The release is built for size: every function and datum in a section of its own, and the
  # link drops the sections nothing reaches. That reaches C code only: the unwind table of a
  # C++ file refers to all its functions, which keeps them all.
  add_compile_options($<$<CONFIG:MinSizeRel>:-ffunction-sections> $<$<CONFIG:MinSizeRel>:-fdata-sections>)
  add_link_options($<$<CONFIG:MinSizeRel>:-Wl,--gc-sections>)
  # std::terminate aborts at once: libstdc++'s verbose handler would print the exception's
  # type to a standard error that a GUI program does not have, and brings a 46 KB demangler
  # into every program (twice into the setup, which carries the archive tool).
  if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    set(_symbol_prefix "_")  # i686 symbols carry a leading underscore
  else()
    set(_symbol_prefix "")
  endif()
  add_link_options("$<$<CONFIG:MinSizeRel>:-Wl,--defsym=${_symbol_prefix}_ZN9__gnu_cxx27__verbose_terminate_handlerEv=${_symbol_prefix}abort>")
else()
  if(QUILLO_SANITIZE STREQUAL "address")
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
  elseif(QUILLO_SANITIZE STREQUAL "fuzzer")
    # Everything carries libFuzzer's coverage hooks; only the fuzz targets link its main.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
  elseif(QUILLO_SANITIZE STREQUAL "thread")
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
  elseif(NOT QUILLO_SANITIZE STREQUAL "")
    message(FATAL_ERROR "QUILLO_SANITIZE must be empty, address, thread or fuzzer")
  endif()
endif()

# Marks an executable as a Windows GUI program (no console) with a wide entry point.
function(quillo_gui_program target)
  if(WIN32)
    target_link_options(${target} PRIVATE -mwindows -municode)
  endif()
endfunction()
