# cmake -DINPUT=block0.bin -DOUTPUT=quiz_block0.cpp -P EmbedBlock0.cmake
# Writes block 0 of a quiz package as the player's 70-byte array.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
if(NOT digits EQUAL 140)
  message(FATAL_ERROR "${INPUT}: block 0 must be 70 bytes")
endif()
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){14})" "\\1\n  " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Made from ${INPUT} by the build.\n#include <cstdint>\n\nextern uint8_t quizBlock0[70];\nuint8_t quizBlock0[70] = {\n  ${bytes}\n};\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
