# Fails when a test program lists no test: a program whose tests were all left out (for
# example by a missing part of the build) must not pass by vanishing.
execute_process(COMMAND ${PROGRAM} --gtest_list_tests
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --gtest_list_tests failed (${status})")
endif()
string(REGEX MATCHALL "\n  [^ \n]" tests "\n${listing}")
list(LENGTH tests count)
if(count EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} registers no test")
endif()
message(STATUS "${PROGRAM}: ${count} tests")
