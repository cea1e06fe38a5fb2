# Turns the overlay page into the bytes of a C++ array initialiser, so that the program
# serves the page from memory and the page stays an HTML file to edit. A byte list, not a
# string literal: MSVC limits a literal to 64 KiB and wants it split every 16 KiB.
# Run at build time:
#   cmake -DINPUT=overlay.html -DOUTPUT=overlay_page_html.inc -P embed_page.cmake
file(READ ${INPUT} hex HEX)
string(LENGTH "${hex}" hex_length)
if(hex_length EQUAL 0)
  message(FATAL_ERROR "empty overlay page: ${INPUT}")
endif()
# Two hex digits a byte, sixteen bytes a line (CMake's expressions know no {16}).
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REPEAT "0x[0-9a-f][0-9a-f]," 16 line)
string(REGEX REPLACE "(${line})" "\\1\n" bytes "${bytes}")
file(WRITE ${OUTPUT}.tmp "// Generated from overlay/page/overlay.html at build time; do not edit.\n${bytes}\n")
# Only touch the output when it changed, so that a rebuild compiles nothing new.
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
