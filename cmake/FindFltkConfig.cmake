# Finds FLTK 1.3 through fltk-config, the way FLTK documents for building against an
# installed FLTK. Debian's FLTK CMake package is not used: it names /usr/bin/fluid, which
# a build without the recommended packages lacks, and then reports FLTK as missing.
# Defines the imported target Fltk::fltk, or says why it could not.
find_program(FLTK_CONFIG_EXECUTABLE fltk-config)
set(FltkConfig_REASON "")
if(NOT FLTK_CONFIG_EXECUTABLE)
  set(FltkConfig_REASON "fltk-config not found (Debian: libfltk1.3-dev)")
else()
  execute_process(COMMAND ${FLTK_CONFIG_EXECUTABLE} --api-version
                  OUTPUT_VARIABLE FLTK_API_VERSION OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE api_status)
  execute_process(COMMAND ${FLTK_CONFIG_EXECUTABLE} --includedir
                  OUTPUT_VARIABLE FLTK_INCLUDE_DIR OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${FLTK_CONFIG_EXECUTABLE} --ldflags
                  OUTPUT_VARIABLE fltk_ldflags OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT api_status EQUAL 0 OR NOT FLTK_API_VERSION STREQUAL "1.3")
    set(FltkConfig_REASON "fltk-config reports FLTK '${FLTK_API_VERSION}', not 1.3")
  elseif(NOT EXISTS "${FLTK_INCLUDE_DIR}/FL/Fl.H")
    set(FltkConfig_REASON "FL/Fl.H not found under ${FLTK_INCLUDE_DIR}")
  endif()
endif()

if(FltkConfig_REASON STREQUAL "")
  set(FltkConfig_FOUND TRUE)
  separate_arguments(fltk_ldflags UNIX_COMMAND "${fltk_ldflags}")
  if(NOT TARGET Fltk::fltk)
    add_library(Fltk::fltk INTERFACE IMPORTED)
    set_target_properties(Fltk::fltk PROPERTIES
      INTERFACE_INCLUDE_DIRECTORIES "${FLTK_INCLUDE_DIR}"
      INTERFACE_LINK_LIBRARIES "${fltk_ldflags}")
  endif()
else()
  set(FltkConfig_FOUND FALSE)
endif()
