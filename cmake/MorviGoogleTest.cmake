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

# morvi_add_gtest(<name> SOURCES ... LIBS ...): one test program; each test
# case becomes its own CTest test, listed when CTest runs (under Wine for
# Windows programs), so a crash in one case cannot hide the others.
function(morvi_add_gtest name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;PROPERTIES" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  morvi_player_target(${name})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    PROPERTIES TIMEOUT 120 ${T_PROPERTIES})
endfunction()
