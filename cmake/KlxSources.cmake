# Each source folder lists its files itself by globbing; CONFIGURE_DEPENDS re-runs
# the glob at build time so a new file needs no CMake edit.
function(klx_glob_sources out_var dir)
  file(GLOB found CONFIGURE_DEPENDS "${dir}/*.cpp")
  set(${out_var} ${found} PARENT_SCOPE)
endfunction()
