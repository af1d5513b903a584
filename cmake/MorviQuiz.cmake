# Quiz packages made at build time by our own packer, and linked into
# Windows programs as the real thing: block 0 as the 70-byte array, blocks 1
# and 2 as "PATCH" resources 104 and 105.
#
# morvi_pack_quiz(<name> SOURCE <quiz.toml> [PLAIN])
#   packs the quiz into ${CMAKE_CURRENT_BINARY_DIR}/quiz-<name>/block{0,1,2}.bin
#   and defines morvi_quiz_<name>_SOURCES (see morvi_quiz_sources).
# morvi_quiz_sources(<name> BLOCK0 <file> [BLOCK1 <file>] [BLOCK2 <file>] [DEPENDS ...])
#   makes <name>_block0.cpp and <name>.rc from block files (a block left out
#   has no resource) and sets morvi_quiz_<name>_SOURCES in the caller.

if(CMAKE_CROSSCOMPILING)
  set(MORVI_HOST_TOOLS_DIR "${CMAKE_SOURCE_DIR}/build/native/tools" CACHE PATH
      "Folder of the native morvi command (build the native preset first)")
  set(MORVI_HOST_MORVI "${MORVI_HOST_TOOLS_DIR}/morvi")
  set(MORVI_HOST_MORVI_DEPENDS "${MORVI_HOST_MORVI}")
  if(NOT EXISTS "${MORVI_HOST_MORVI}")
    message(FATAL_ERROR "The Windows builds pack their quizzes with the native morvi command, "
                        "not found at ${MORVI_HOST_MORVI}: build the native preset first.")
  endif()
else()
  set(MORVI_HOST_MORVI "$<TARGET_FILE:morvi>")
  set(MORVI_HOST_MORVI_DEPENDS morvi)
endif()

function(morvi_quiz_sources name)
  cmake_parse_arguments(Q "" "BLOCK0;BLOCK1;BLOCK2;PICTURES" "DEPENDS" ${ARGN})
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/quiz-${name})
  set(cpp ${dir}/${name}_block0.cpp)
  set(rc ${dir}/${name}.rc)
  add_custom_command(OUTPUT ${cpp}
    COMMAND ${CMAKE_COMMAND} -DINPUT=${Q_BLOCK0} -DOUTPUT=${cpp} -P ${CMAKE_SOURCE_DIR}/cmake/EmbedBlock0.cmake
    DEPENDS ${Q_BLOCK0} ${Q_DEPENDS} ${CMAKE_SOURCE_DIR}/cmake/EmbedBlock0.cmake
    COMMENT "Embedding block 0 of quiz ${name}")
  set(lines "// Made by the build: the quiz package of ${name}.\n")
  if(Q_BLOCK1)
    string(APPEND lines "104 PATCH \"${Q_BLOCK1}\"\n")
  endif()
  if(Q_BLOCK2)
    string(APPEND lines "105 PATCH \"${Q_BLOCK2}\"\n")
  endif()
  if(Q_PICTURES)
    string(APPEND lines "#include \"${Q_PICTURES}\"\n")
  endif()
  file(MAKE_DIRECTORY ${dir})
  file(GENERATE OUTPUT ${rc} CONTENT "${lines}")
  set(deps ${Q_DEPENDS})
  list(APPEND deps ${Q_BLOCK1} ${Q_BLOCK2} ${Q_PICTURES})
  set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${deps}")
  set(morvi_quiz_${name}_SOURCES ${cpp} ${rc} PARENT_SCOPE)
endfunction()

# morvi_pack_quiz(<name> SOURCE <quiz.toml> [PLAIN] [PICTURES <files the source names>...])
function(morvi_pack_quiz name)
  cmake_parse_arguments(Q "PLAIN" "SOURCE" "PICTURES" ${ARGN})
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/quiz-${name})
  set(blocks ${dir}/block0.bin ${dir}/block1.bin ${dir}/block2.bin ${dir}/resources.rc)
  set(plain)
  if(Q_PLAIN)
    set(plain --plain)
  endif()
  add_custom_command(OUTPUT ${blocks}
    COMMAND ${MORVI_HOST_MORVI} pack ${Q_SOURCE} --blocks ${dir} ${plain}
    DEPENDS ${Q_SOURCE} ${Q_PICTURES} ${MORVI_HOST_MORVI_DEPENDS}
    COMMENT "Packing quiz ${name}")
  morvi_quiz_sources(${name} BLOCK0 ${dir}/block0.bin BLOCK1 ${dir}/block1.bin BLOCK2 ${dir}/block2.bin
                     PICTURES ${dir}/resources.rc)
  set(morvi_quiz_${name}_SOURCES ${morvi_quiz_${name}_SOURCES} PARENT_SCOPE)
  set(morvi_quiz_${name}_DIR ${dir} PARENT_SCOPE)
endfunction()

# morvi_add_player(<target> QUIZ <name> [OUTPUT_NAME <file name>])
#   a player executable carrying the quiz made by morvi_pack_quiz or
#   morvi_quiz_sources.
function(morvi_add_player target)
  cmake_parse_arguments(P "" "QUIZ;OUTPUT_NAME" "" ${ARGN})
  add_executable(${target} WIN32 ${CMAKE_SOURCE_DIR}/src/app/main.cpp ${morvi_quiz_${P_QUIZ}_SOURCES})
  morvi_player_target(${target})
  target_link_libraries(${target} PRIVATE morvi_player morvi_player_resources)
  if(P_OUTPUT_NAME)
    set_target_properties(${target} PROPERTIES OUTPUT_NAME ${P_OUTPUT_NAME})
  endif()
endfunction()
