# Warnings are errors on every target; Windows builds link statically so the programs
# need no DLLs beside them.
add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Werror)

if(WIN32)
  add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX
                          _WIN32_WINNT=0x0601 WINVER=0x0601)
  add_link_options(-static -static-libgcc -static-libstdc++)
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
