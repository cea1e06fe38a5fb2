# Turns the JPEG files into one C++ source of byte arrays, so that the program carries
# its pictures and reads nothing at start. Run at build time:
#   cmake -DOUTPUT=file.cpp -DPICTURES="a.jpg;b.jpg" -P embed_pictures.cmake
# Each picture is known by its file name without the extension.
set(arrays "")
set(entries "")
foreach(picture ${PICTURES})
  get_filename_component(name ${picture} NAME_WE)
  file(READ ${picture} hex HEX)
  string(LENGTH "${hex}" hex_length)
  if(hex_length EQUAL 0)
    message(FATAL_ERROR "empty picture: ${picture}")
  endif()
  # Two hex digits a byte, sixteen bytes a line.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){16})" "\\1\n    " bytes "${bytes}")
  string(APPEND arrays "constexpr uint8_t k_${name}[] = {\n    ${bytes}\n};\n")
  string(APPEND entries "    {\"${name}\", k_${name}},\n")
endforeach()
file(WRITE ${OUTPUT}.tmp "// Generated from the JPEG files in resources/ at build time; do not edit.
#include <cstdint>
#include <span>
#include <string_view>

#include \"resources/embedded_table.h\"

namespace {
${arrays}
constexpr EmbeddedEntry kEntries[] = {
${entries}};
}  // namespace

std::span<const EmbeddedEntry> EmbeddedEntries() {
  return kEntries;
}
")
# Only touch the output when it changed, so that a rebuild compiles nothing new.
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
