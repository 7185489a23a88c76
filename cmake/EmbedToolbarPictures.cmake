# Writes a C++ source that holds the text of every toolbar picture, so the
# program finds its pictures without looking for files at run time.
# Run as: cmake -DFOLDER=<folder of .svg files> -DOUTPUT=<source to write> -P EmbedToolbarPictures.cmake
# Each picture is named after its file, without the extension.

if(NOT FOLDER OR NOT OUTPUT)
  message(FATAL_ERROR "EmbedToolbarPictures: FOLDER and OUTPUT must be set")
endif()

file(GLOB pictures "${FOLDER}/*.svg")
list(SORT pictures)

set(text "// Made by cmake/EmbedToolbarPictures.cmake from src/frame/toolbar-images at build time.\n")
string(APPEND text "#include \"frame/ToolbarImages.h\"\n\nnamespace {\n\nconst ToolbarPicture pictures[] = {\n")
foreach(picture IN LISTS pictures)
  get_filename_component(name "${picture}" NAME_WE)
  file(READ "${picture}" svg)
  string(FIND "${svg}" ")svg\"" closing)
  if(NOT closing EQUAL -1)
    message(FATAL_ERROR "EmbedToolbarPictures: ${picture} holds the raw string's closing mark )svg\"")
  endif()
  string(APPEND text "    {\"${name}\", R\"svg(${svg})svg\"},\n")
endforeach()
string(APPEND text "};\n\n}  // namespace\n\nstd::span<const ToolbarPicture> ToolbarPictures()\n{\n    return pictures;\n}\n")

file(WRITE "${OUTPUT}" "${text}")
