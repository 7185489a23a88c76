# The include rules between the source folders, checked over the sources:
#   src/frame and src/view include nothing from src/tools;
#   src/view includes nothing from src/frame;
#   the engine folders include no wxWidgets header.
# Run as: cmake -DROOT=<folder holding src/> -P CheckLayerIncludes.cmake
# Lists every include that breaks a rule and fails when there is one.

if(NOT ROOT)
  message(FATAL_ERROR "CheckLayerIncludes: ROOT is not set")
endif()

set(engine_folders model numlib commands sections mesh calc io)

# folder -> the include prefixes it must not use
set(forbidden_frame "tools/")
set(forbidden_view "tools/" "frame/")
foreach(folder IN LISTS engine_folders)
  set(forbidden_${folder} "wx/")
endforeach()

set(broken "")
foreach(folder frame view ${engine_folders})
  file(GLOB sources "${ROOT}/src/${folder}/*.h" "${ROOT}/src/${folder}/*.cpp")
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" header "${line}")
      # "../tools/x.h" names the same folder as "tools/x.h".
      string(REGEX REPLACE "^(\\.\\./)+" "" header "${header}")
      foreach(prefix IN LISTS forbidden_${folder})
        string(FIND "${header}" "${prefix}" at)
        if(at EQUAL 0)
          file(RELATIVE_PATH shown "${ROOT}" "${source}")
          list(APPEND broken "${shown} includes ${header}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(broken)
  list(JOIN broken "\n  " listed)
  message(FATAL_ERROR "include rule broken:\n  ${listed}")
endif()
message(STATUS "include rules kept")
