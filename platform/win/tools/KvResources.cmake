# kv_add_resources(<target> SCRIPT <file.rc> TABLE <name>)
#
# Compiles a resource script with kvrc at build time and adds the generated source to
# <target>, whose table <name> then joins the resource lookup chain when the binary loads.
# The generated source is rebuilt when the script, a file it includes or a picture it names
# changes.  A faulty script fails the build with "file:line: reason".
function(kv_add_resources target)
  cmake_parse_arguments(R "" "SCRIPT;TABLE" "" ${ARGN})
  if(NOT R_SCRIPT OR NOT R_TABLE)
    message(FATAL_ERROR "kv_add_resources(${target}): SCRIPT and TABLE are required")
  endif()
  get_filename_component(script "${R_SCRIPT}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  set(generated "${CMAKE_CURRENT_BINARY_DIR}/${target}_${R_TABLE}_resources.cpp")
  add_custom_command(
    OUTPUT "${generated}"
    COMMAND kvrc --table "${R_TABLE}" --depfile "${generated}.d" -o "${generated}" "${script}"
    DEPENDS "${script}" kvrc
    DEPFILE "${generated}.d"
    COMMENT "Compiling resource script ${R_SCRIPT}"
    VERBATIM)
  target_sources(${target} PRIVATE "${generated}")
endfunction()
