# GoogleTest: Debian's libgtest-dev natively; for Windows the sources of
# Debian's googletest package, built with the cross compiler.
include(GoogleTest)
if(WIN32)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()

# morvi_add_gtest(<name> [UTF8] SOURCES ... LIBS ...): one test program; each
# test case becomes its own CTest test, listed when CTest runs (under Wine for
# Windows programs), so a crash in one case cannot hide the others. Literals
# are Windows-1252 bytes like the player's, or UTF-8 for tests of the
# authoring tools.
function(morvi_add_gtest name)
  cmake_parse_arguments(T "UTF8" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  if(T_UTF8)
    morvi_target(${name})
  else()
    morvi_player_target(${name})
  endif()
  target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES TIMEOUT 120 ${T_PROPERTIES})
endfunction()
