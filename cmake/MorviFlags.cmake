# Compiler settings for the project's own targets.
#   morvi_target(<target>)         warnings as errors
#   morvi_player_target(<target>)  the same, and literals as Windows-1252 bytes

set(MORVI_WARNINGS -Wall -Wextra -Werror)

function(morvi_target target)
  target_compile_options(${target} PRIVATE ${MORVI_WARNINGS})
endfunction()

function(morvi_player_target target)
  morvi_target(${target})
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -fexec-charset=CP1252)
  endif()
endfunction()

if(WIN32)
  # Only Windows system DLLs at run time: the C and C++ runtimes and
  # winpthreads are linked in.
  string(APPEND CMAKE_EXE_LINKER_FLAGS " -static")
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
endif()
