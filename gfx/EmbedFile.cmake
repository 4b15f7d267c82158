# Writes a C++ source holding a file's bytes as an array, so the program carries the file:
#   cmake -DINPUT=font.ttf -DOUTPUT=out.cpp -DSYMBOL=name -P EmbedFile.cmake
# The source defines `extern const unsigned char SYMBOL[]` and `extern const unsigned SYMBOL_size`
# in namespace gfx::embedded.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" digits)
math(EXPR size "${digits} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
# Lines of 32 bytes keep the generated file readable by tools.
string(REGEX REPLACE "((0x..,){32})" "\\1\n" bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from ${INPUT} at build time; do not edit.\n"
  "namespace gfx::embedded {\n"
  "extern const unsigned char ${SYMBOL}[];\n"
  "extern const unsigned ${SYMBOL}_size;\n"
  "const unsigned char ${SYMBOL}[] = {\n${bytes}\n};\n"
  "const unsigned ${SYMBOL}_size = ${size};\n"
  "}  // namespace gfx::embedded\n")
file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
