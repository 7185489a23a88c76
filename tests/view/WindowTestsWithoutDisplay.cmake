# Runs a window test program on an X display that does not exist. Its tests
# that need no display pass; each window test fails with the reason the
# toolkit did not start; the program waits for the display only once and
# ends as a failed test run, not with a crash, sanitizer report or toolkit
# assertion.
# Run as: cmake -DPROGRAM=<test program> -DFILTER=<gtest filter> -P WindowTestsWithoutDisplay.cmake

set(number 7000)
while(EXISTS "/tmp/.X${number}-lock" OR EXISTS "/tmp/.X11-unix/X${number}")
  math(EXPR number "${number} + 1")
endwhile()
set(ENV{DISPLAY} ":${number}")

execute_process(COMMAND "${PROGRAM}" "--gtest_filter=${FILTER}"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)

function(fail why)
  message(FATAL_ERROR "${why}\n--- the program's output on DISPLAY=:${number}:\n${output}")
endfunction()

if(NOT result STREQUAL "1")
  fail("the program ended with \"${result}\", not as a failed test run")
endif()
foreach(crash "AddressSanitizer" "runtime error:" "wxWidgets assertion" "-CRITICAL" "Segmentation fault")
  string(FIND "${output}" "${crash}" at)
  if(NOT at EQUAL -1)
    fail("the program went on into the toolkit after the failed start (${crash})")
  endif()
endforeach()

string(REGEX MATCH "\\[  PASSED  \\] ([0-9]+) test" passed "${output}")
set(passed "${CMAKE_MATCH_1}")
string(REGEX MATCH "\\[  FAILED  \\] ([0-9]+) test" failed "${output}")
set(failed "${CMAKE_MATCH_1}")
if(NOT passed GREATER 0 OR NOT failed GREATER 1)
  fail("expected passing tests that need no display and several failed window tests")
endif()
string(REGEX MATCHALL "Failure\nFailed\nthe toolkit did not start on display \":${number}\": the display accepted no connection"
       reasons "${output}")
list(LENGTH reasons reasonCount)
if(NOT reasonCount EQUAL failed)
  fail("${failed} tests failed, ${reasonCount} of them with the reason the toolkit did not start")
endif()
string(REGEX MATCHALL "display connection try 1 failed" firstTries "${output}")
list(LENGTH firstTries waits)
if(NOT waits EQUAL 1)
  fail("the program waited for the display ${waits} times, not once")
endif()
message(STATUS "${failed} window tests failed with the reason, ${passed} other tests passed, no crash")
