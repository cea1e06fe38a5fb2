# CivetWeb, the HTTP server library, as one target for every build: civetweb::civetweb.
# - Linux: Debian's libcivetweb-dev (scripts/install-deps.sh), a shared library; the
#   .deb then depends on libcivetweb1 through dpkg-shlibdeps (cmake/Packaging.cmake).
# - Windows (the mingw-w64 cross build): the static library that
#   scripts/build-civetweb-mingw.sh builds from Debian's source package, found through
#   CIVETWEB_ROOT (its install prefix; scripts/build-windows.sh passes it).
# Safe to include from several folders: the target is made once and is global.
if(TARGET civetweb::civetweb)
  return()
endif()

if(NOT WIN32)
  # Not find_package(civetweb CONFIG): Debian's config file also imports the civetweb
  # program (/usr/bin/civetweb, package civetweb) and stops the configure step when that
  # is not installed, so the library and its header are found directly.
  find_path(CIVETWEB_INCLUDE_DIR civetweb.h)
  find_library(CIVETWEB_LIBRARY civetweb)
  if(NOT CIVETWEB_INCLUDE_DIR OR NOT CIVETWEB_LIBRARY)
    message(FATAL_ERROR "CivetWeb not found (civetweb.h: ${CIVETWEB_INCLUDE_DIR}, library: "
                        "${CIVETWEB_LIBRARY}): install libcivetweb-dev (scripts/install-deps.sh)")
  endif()
  add_library(civetweb::civetweb SHARED IMPORTED GLOBAL)
  set_target_properties(civetweb::civetweb PROPERTIES
    IMPORTED_LOCATION ${CIVETWEB_LIBRARY}
    INTERFACE_INCLUDE_DIRECTORIES ${CIVETWEB_INCLUDE_DIR})
  return()
endif()

set(CIVETWEB_ROOT "" CACHE PATH "Install prefix of the Windows build of CivetWeb (scripts/build-civetweb-mingw.sh)")
set(civetweb_library ${CIVETWEB_ROOT}/lib/libcivetweb.a)
set(civetweb_include ${CIVETWEB_ROOT}/include)
if(NOT CIVETWEB_ROOT OR NOT EXISTS ${civetweb_library} OR NOT EXISTS ${civetweb_include}/civetweb.h)
  message(FATAL_ERROR "CivetWeb for Windows not found (CIVETWEB_ROOT='${CIVETWEB_ROOT}'): "
                      "scripts/build-windows.sh builds it with scripts/build-civetweb-mingw.sh")
endif()
add_library(civetweb::civetweb STATIC IMPORTED GLOBAL)
# Imported include folders are system includes: its header never trips our warnings.
# Winsock is all it needs beyond the C runtime and kernel32 (it starts its own threads).
set_target_properties(civetweb::civetweb PROPERTIES
  IMPORTED_LOCATION ${civetweb_library}
  INTERFACE_INCLUDE_DIRECTORIES ${civetweb_include}
  INTERFACE_LINK_LIBRARIES ws2_32)
