# The layer fence on a throwaway tree of two layers, data below editing: what
# each layer may include and what fails the build, and a configure step that
# stops where the fence cannot be set up.
#   cmake -DSOURCES=<src of the program> -DWORK=<an empty folder> -P LayerFenceTest.cmake
cmake_minimum_required(VERSION 3.25)
set(tree ${WORK}/src)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${tree}/data ${tree}/editing)
file(WRITE ${tree}/editing/PageLength.h "#pragma once\n")
set(failures "")

# A layer whose one source includes INCLUDE is refused with a message holding
# MESSAGE, or taken when MESSAGE is empty.
function(expect layer sees include message)
  file(REMOVE_RECURSE ${tree}/${layer}/Planted.h ${WORK}/stamp)
  file(WRITE ${tree}/${layer}/Planted.h "#pragma once\n// not an include: #include \"../editing/x.h\"\n${include}\n")
  execute_process(
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${tree}/${layer} -DLAYER=${layer} -DSEES=${sees}
            -DLAYERS=data|editing|ui -DSTAMP=${WORK}/stamp -P ${SOURCES}/CheckLayerIncludes.cmake
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(message STREQUAL "")
    if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/stamp)
      set(failures "${failures}${layer}: ${include} was refused:\n${err}\n" PARENT_SCOPE)
    endif()
  elseif(status EQUAL 0 OR EXISTS ${WORK}/stamp)
    set(failures "${failures}${layer}: ${include} was taken\n" PARENT_SCOPE)
  else()
    string(FIND "${err}" "${message}" at)
    if(at EQUAL -1)
      set(failures "${failures}${layer}: ${include} was refused without \"${message}\":\n${err}\n"
          PARENT_SCOPE)
    endif()
  endif()
endfunction()

set(climbs "data/Planted.h includes")
expect(data data "#include \"../editing/PageLength.h\""
       "${climbs} \"../editing/PageLength.h\": a path with \"..\" climbs out")
expect(data data "#  include <../editing/PageLength.h>" "${climbs} <../editing/PageLength.h>")
expect(data data "#include \"data/../editing/PageLength.h\"" "climbs out of its folder")
expect(data data "#include \"..\\\\editing\\\\PageLength.h\"" "climbs out of its folder")
expect(data data "  #include \"./../editing/PageLength.h\"" "climbs out of its folder")
expect(data data "#include \"editing/PageLength.h\""
       "${climbs} \"editing/PageLength.h\": editing is not below data, which sees data")
expect(data data "#include \"ui/MainWindow.h\"" "ui is not below data")
expect(editing "editing|data" "#include \"data/Job.h\"" "")
expect(data data "#include \"data/Job.h\"\n#include <vector>\n#include \"..hidden.h\"" "")

# The configure step stops, with the reason, where a layer's link cannot be made.
file(WRITE ${WORK}/blocked/CMakeLists.txt "
cmake_minimum_required(VERSION 3.25)
project(blocked NONE)
include(${SOURCES}/LayerFence.cmake)
file(MAKE_DIRECTORY \${CMAKE_BINARY_DIR}/layers/data)
file(WRITE \${CMAKE_BINARY_DIR}/layers/data/data \"not a link\")
q5300_fence_link(\${CMAKE_BINARY_DIR}/layers/data data ${tree}/data)
")
execute_process(COMMAND ${CMAKE_COMMAND} -S ${WORK}/blocked -B ${WORK}/blocked-build
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
string(FIND "${err}" "The layer fence cannot be set up" at)
if(status EQUAL 0 OR at EQUAL -1)
  set(failures "${failures}a blocked link did not stop the configure step:\n${err}\n")
endif()
# A link that is there already is taken again.
file(REMOVE_RECURSE ${WORK}/blocked-build)
file(WRITE ${WORK}/again/CMakeLists.txt "
cmake_minimum_required(VERSION 3.25)
project(again NONE)
include(${SOURCES}/LayerFence.cmake)
q5300_fence_link(\${CMAKE_BINARY_DIR}/layers/data data ${tree}/data)
q5300_fence_link(\${CMAKE_BINARY_DIR}/layers/data data ${tree}/data)
if(NOT EXISTS \${CMAKE_BINARY_DIR}/layers/data/data/Planted.h)
  message(FATAL_ERROR \"the link shows no header\")
endif()
")
execute_process(COMMAND ${CMAKE_COMMAND} -S ${WORK}/again -B ${WORK}/again-build
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  set(failures "${failures}a layer's link was not made, or not taken again:\n${err}\n")
endif()

if(failures)
  message(FATAL_ERROR "${failures}")
endif()
