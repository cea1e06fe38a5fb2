# The HTTP server library of the local server (--serve): Debian's libcivetweb-dev.
if(NOT WIN32)
  # Found by hand rather than with find_package(civetweb CONFIG): the CMake file that
  # Debian 12's libcivetweb-dev ships also names /usr/bin/civetweb, which only the
  # separate `civetweb` package installs, and stops the configuration without it.
  find_path(CIVETWEB_INCLUDE_DIR civetweb.h REQUIRED)
  find_library(CIVETWEB_LIBRARY civetweb REQUIRED)
  add_library(civetweb::civetweb UNKNOWN IMPORTED)
  set_target_properties(civetweb::civetweb PROPERTIES IMPORTED_LOCATION "${CIVETWEB_LIBRARY}"
                        INTERFACE_INCLUDE_DIRECTORIES "${CIVETWEB_INCLUDE_DIR}")
endif()
