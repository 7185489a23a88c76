# The window-test launcher (run-on-own-display) with stand-ins for the X
# server and the window manager: one that ends at once is said at once, with
# its own words; openbox runs in a home of the launcher's own, gone once the
# launcher ends; a test that opens no window runs without a display.
# Run as: cmake -DLAUNCHER=<run-on-own-display> -DWORK=<empty folder> -P RunOnOwnDisplayChecks.cmake

file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}/fakes")
set(ENV{TMPDIR} "${WORK}")
set(system_path "$ENV{PATH}")

function(stand_in name body)
  file(WRITE "${WORK}/fakes/${name}" "#!/bin/sh\n${body}")
  file(CHMOD "${WORK}/fakes/${name}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()

# Runs the launcher on the arguments; its status and output (both streams).
function(launch)
  execute_process(COMMAND "${LAUNCHER}" ${ARGN} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  set(result "${result}" PARENT_SCOPE)
  set(output "${output}" PARENT_SCOPE)
endfunction()

function(expect what status text)
  string(FIND "${output}" "${text}" at)
  if(NOT result STREQUAL "${status}" OR at EQUAL -1)
    message(FATAL_ERROR "${what}: expected status ${status} and \"${text}\", got status ${result}:\n${output}")
  endif()
endfunction()

# Only the stand-ins and the shell's own tools: no X server at all.
set(ENV{PATH} "${WORK}/fakes:/bin")
set(ENV{KLX_WINDOWLESS_TESTS} "Plain.*:*/Table.*")
foreach(filter "Plain.Test" "Rows/Table.Test/2")
  launch(/bin/sh -c "echo \"display [\${DISPLAY-}]\"" "--gtest_filter=${filter}")
  expect("a test that opens no window, ${filter}" 0 "display []")
endforeach()

set(ENV{PATH} "${WORK}/fakes:${system_path}")
stand_in(Xvfb "echo 'Xvfb: no screens found' >&2\nexit 1\n")
launch(/bin/true "--gtest_filter=Window.Test")
expect("an X server that ends at once" 1 "Xvfb ended before it told its display number:\nXvfb: no screens found")
file(REMOVE "${WORK}/fakes/Xvfb")

stand_in(openbox "env > '${WORK}/manager-environment'\necho 'openbox: cannot start' >&2\nexit 1\n")
launch(/bin/true "--gtest_filter=Window.Test")
expect("a window manager that ends at once" 1 "openbox ended before it took the display :")
expect("a window manager that ends at once" 1 "openbox: cannot start")
file(STRINGS "${WORK}/manager-environment" homes REGEX "^(HOME|XDG_CONFIG_HOME|XDG_CACHE_HOME)=")
list(LENGTH homes count)
if(NOT count EQUAL 3)
  message(FATAL_ERROR "openbox was not given a home, settings and cache of its own: ${homes}")
endif()
foreach(home IN LISTS homes)
  string(REGEX REPLACE "^[A-Z_]+=" "" folder "${home}")
  if(NOT folder MATCHES "^${WORK}/klx-display\\.[^/]+/home")
    message(FATAL_ERROR "openbox's ${home} is not in the launcher's own folder")
  endif()
  string(REGEX MATCH "^${WORK}/klx-display\\.[^/]+" work "${folder}")
  if(EXISTS "${work}")
    message(FATAL_ERROR "the launcher left ${work} behind")
  endif()
endforeach()

set(ENV{KLX_OPENBOX_RC} "${WORK}/no-such-rc.xml")
launch(/bin/true "--gtest_filter=Window.Test")
expect("an rc file that is not there" 1 "KLX_OPENBOX_RC names no readable file: ${WORK}/no-such-rc.xml")

file(REMOVE_RECURSE "${WORK}")
