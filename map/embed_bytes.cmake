# SPDX-License-Identifier: MIT
# Writes OUTPUT, a C++ source that holds the bytes of INPUT as the array NAME in namespace icao.
file(READ "${INPUT}" hex HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}" "// Generated from ${INPUT}.\n#include <cstddef>\nnamespace icao {\nextern const unsigned char ${NAME}[];\nextern const std::size_t ${NAME}Size;\nconst unsigned char ${NAME}[] = {\n${bytes}};\nconst std::size_t ${NAME}Size = sizeof(${NAME});\n}\n")
