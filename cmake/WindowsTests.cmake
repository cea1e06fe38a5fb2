# The unit test programs of the Windows build, run under Wine by scripts/wine-core-tests.sh.
# A cross build compiles GoogleTest from Debian's sources (package googletest) with the
# same toolchain, linked statically like scoreboard.exe, so Wine needs no DLL beside a test.

if(CMAKE_CROSSCOMPILING)
  set(googletest_sources /usr/src/googletest)
  if(NOT EXISTS ${googletest_sources}/CMakeLists.txt)
    message(FATAL_ERROR "The Windows tests need GoogleTest's sources in ${googletest_sources}: "
                        "run scripts/install-windows-deps.sh (package googletest)")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${googletest_sources} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  if(NOT TARGET GTest::gtest)
    add_library(GTest::gtest ALIAS gtest)
  endif()
else()
  find_package(GTest REQUIRED)
endif()

# Test folders that have no Windows program, each with the reason. The Wine run prints
# this list, so a folder left out is never left out silently.
set(WINDOWS_EXCLUDED_TEST_AREAS
    "window|drives the Linux FLTK window on an X display; scripts/wine-test.sh drives scoreboard.exe"
    "server|drives the local server in-process through POSIX sockets; the exe's server is checked through its API under Wine"
)
# Cases inside a built program that Windows cannot make, compiled out there.
set(WINDOWS_EXCLUDED_TEST_CASES
    "faults|read-only mount, no write permission, disk fills mid-record and file-size limit need mounts, file modes and rlimit; the hostile saves (same-pid copies, swapped-in links and FIFOs, hidden converter modules, foreign files beside a save) need inotify, namespaces, chown and signals; the unknown program place hides /proc in a mount namespace; the script reader's signal test needs POSIX signals (the two-process race starts processes instead of forking)"
    "files|a dangling symbolic link (needs a privilege on Windows) and stale drafts next to a FIFO and a flock-held file (POSIX only)"
    "encoding|the GB18030 table against glibc's iconv, the independent reference (the table itself is the same code on both platforms)"
    "journal|the kill tests fork replay-driver processes and end them with SIGKILL (POSIX only), while the journal reader's table runs on Windows too"
    "overlay|the overlay folder refused by its file modes (a read-only folder; as root the driver runs as nobody through setpriv); the file-in-its-place refusal runs on Windows too"
)

# One line a program: "run NAME" for a built test program, "excluded AREA: REASON" for a
# folder left out. The Wine run reads it, so a program that failed to build is a failure.
set(WINDOWS_TESTS_MANIFEST ${CMAKE_BINARY_DIR}/windows-tests.txt)

function(windows_test_excluded area out_reason)
  set(reason "")
  foreach(entry ${WINDOWS_EXCLUDED_TEST_AREAS})
    string(FIND "${entry}" "|" bar)
    string(SUBSTRING "${entry}" 0 ${bar} name)
    if(name STREQUAL area)
      math(EXPR start "${bar} + 1")
      string(SUBSTRING "${entry}" ${start} -1 reason)
    endif()
  endforeach()
  set(${out_reason} "${reason}" PARENT_SCOPE)
endfunction()

# Sets `out` to TRUE when the folder `area` gets a Windows program named `target`, and
# records the answer in the manifest either way.
function(windows_test_wanted area target out)
  windows_test_excluded(${area} reason)
  if(reason)
    file(APPEND ${WINDOWS_TESTS_MANIFEST} "excluded ${area}: ${reason}\n")
    set(${out} FALSE PARENT_SCOPE)
  else()
    file(APPEND ${WINDOWS_TESTS_MANIFEST} "run ${target}\n")
    set(${out} TRUE PARENT_SCOPE)
  endif()
endfunction()

file(WRITE ${WINDOWS_TESTS_MANIFEST} "")
foreach(entry ${WINDOWS_EXCLUDED_TEST_CASES})
  string(REPLACE "|" ": " line "${entry}")
  file(APPEND ${WINDOWS_TESTS_MANIFEST} "cases left out in ${line}\n")
endforeach()
