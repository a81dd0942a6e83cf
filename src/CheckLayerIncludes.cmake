# Refuses the includes of one layer that reach past its fence, run by the build
# (cmake -P) whenever a source of the layer changes:
#   FOLDER  the layer's sources (src/NAME)
#   LAYER   its name
#   SEES    the layers it may include, itself first, separated by "|"
#   LAYERS  every folder name of src/, separated by "|"
#   STAMP   touched when every include keeps to the fence
# A path with ".." climbs out of the folder it names, and a quoted include is
# looked for beside the including file before any include root, so neither can
# be left to the compiler: "../editing/PageLength.h" from src/data compiles.
cmake_minimum_required(VERSION 3.25)
foreach(required FOLDER LAYER SEES LAYERS STAMP)
  if(NOT DEFINED ${required})
    message(FATAL_ERROR "CheckLayerIncludes.cmake needs -D${required}=...")
  endif()
endforeach()
string(REPLACE "|" ";" sees "${SEES}")
string(REPLACE "|" ";" layers "${LAYERS}")
list(JOIN sees ", " seen_text)

file(GLOB_RECURSE sources LIST_DIRECTORIES false "${FOLDER}/*.h" "${FOLDER}/*.hpp" "${FOLDER}/*.cpp"
     "${FOLDER}/*.cc" "${FOLDER}/*.inc")
list(SORT sources)
get_filename_component(top "${FOLDER}" DIRECTORY)
set(refused "")
foreach(source IN LISTS sources)
  file(RELATIVE_PATH shown "${top}" "${source}")
  file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
  foreach(line IN LISTS includes)
    if(NOT line MATCHES "#[ \t]*include[ \t]*([<\"])([^>\"]*)[>\"]")
      continue()
    endif()
    set(open "${CMAKE_MATCH_1}")
    set(path "${CMAKE_MATCH_2}")
    if(open STREQUAL "<")
      set(written "<${path}>")
    else()
      set(written "\"${path}\"")
    endif()
    if(path MATCHES "(^|[/\\\\])\\.\\.([/\\\\]|$)")
      string(APPEND refused "  ${shown} includes ${written}: a path with \"..\" climbs out of "
                            "its folder; an include starts with the folder of a layer that "
                            "${LAYER} sees (${seen_text})\n")
    elseif(path MATCHES "^([^/\\\\]+)[/\\\\]")
      set(folder "${CMAKE_MATCH_1}")
      if(folder IN_LIST layers AND NOT folder IN_LIST sees)
        string(APPEND refused "  ${shown} includes ${written}: ${folder} is not below ${LAYER}, "
                              "which sees ${seen_text}\n")
      endif()
    endif()
  endforeach()
endforeach()

if(refused)
  message(FATAL_ERROR "The ${LAYER} layer includes past its fence:\n${refused}")
endif()
file(TOUCH "${STAMP}")
