# Feeds CheckLayerIncludes.cmake a tree in which some files break the include
# rules and checks that it fails and names exactly those files.
# Run as: cmake -DFIXTURE=<folder holding src/> -P CheckLayerIncludesSelfTest.cmake

execute_process(COMMAND "${CMAKE_COMMAND}" -DROOT=${FIXTURE} -P "${CMAKE_CURRENT_LIST_DIR}/CheckLayerIncludes.cmake"
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(result EQUAL 0)
  message(FATAL_ERROR "the check passed a tree that breaks the rules:\n${output}")
endif()

set(expected
    "src/frame/UsesTool.h includes tools/GridSettingDlg.h"
    "src/frame/UsesToolRelative.cpp includes tools/DxfImportCommand.h"
    "src/view/UsesFrame.cpp includes frame/MainFrame.h"
    "src/view/UsesTool.h includes tools/ToolRegistration.h"
    "src/model/UsesWx.h includes wx/string.h")
foreach(line IN LISTS expected)
  string(FIND "${output}" "${line}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the check missed \"${line}\":\n${output}")
  endif()
endforeach()
foreach(kept "Allowed.cpp" "Commented.h")
  string(FIND "${output}" "${kept}" at)
  if(NOT at EQUAL -1)
    message(FATAL_ERROR "the check named ${kept}, which keeps the rules:\n${output}")
  endif()
endforeach()
message(STATUS "the include check finds every broken rule")
