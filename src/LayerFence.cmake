# The fence between the core's layers, in two halves:
# - the compiler's: each layer's include root is a folder of links to its own
#   sources and those of the layers below it, so "editing/..." from src/data
#   names no file;
# - the build's: a check of every include of the layer (CheckLayerIncludes.cmake)
#   before the layer compiles, for what an include root cannot hold back, a
#   path that climbs out of its folder with "..".

# ROOT/NAME becomes a link to FOLDER. Stops the configure step, with the reason,
# where no link can be made: a build without its fence would let any layer
# include any other.
function(q5300_fence_link root name folder)
  set(link "${root}/${name}")
  file(MAKE_DIRECTORY "${root}")
  file(REAL_PATH "${folder}" wanted)
  if(EXISTS "${link}" OR IS_SYMLINK "${link}")
    file(REAL_PATH "${link}" found)
    if(found STREQUAL wanted)
      return()
    endif()
    if(NOT IS_SYMLINK "${link}")
      message(FATAL_ERROR
        "The layer fence cannot be set up: ${link} is in the way; it should be a link to "
        "${folder}. Remove it and configure again.")
    endif()
    # A link to the sources of another checkout, from a build folder used again.
    file(REMOVE "${link}")
  endif()
  file(CREATE_LINK "${folder}" "${link}" RESULT failed SYMBOLIC)
  if(failed AND CMAKE_HOST_WIN32)
    # A junction needs no privilege where a symbolic link needs one.
    file(TO_NATIVE_PATH "${link}" native_link)
    file(TO_NATIVE_PATH "${folder}" native_folder)
    execute_process(COMMAND cmd /c mklink /J "${native_link}" "${native_folder}"
                    RESULT_VARIABLE junction OUTPUT_QUIET ERROR_VARIABLE junction_error)
    if(junction EQUAL 0)
      set(failed "")
    else()
      string(APPEND failed "; no junction either: ${junction_error}")
    endif()
  endif()
  if(failed)
    message(FATAL_ERROR
      "The layer fence cannot be set up: no link ${link} -> ${folder} could be made "
      "(${failed}). Each layer of the core sees the headers of the layers below it "
      "through such links; configure in a build folder on a file system that holds "
      "symbolic links.")
  endif()
endfunction()

# The check of the includes of src/NAME before q5300_NAME compiles. SEES: the
# layers it may include, itself among them; LAYERS: every folder of src/.
function(q5300_fence_includes name sees layers)
  set(folder ${CMAKE_CURRENT_SOURCE_DIR}/${name})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${folder}/*.h ${folder}/*.hpp ${folder}/*.cpp
       ${folder}/*.cc ${folder}/*.inc)
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/CheckLayerIncludes.cmake)
  set(stamp ${CMAKE_CURRENT_BINARY_DIR}/layers/${name}.fenced)
  # Lists go through the command line with "|": a ";" would split the argument.
  string(JOIN "|" sees_arg ${sees})
  string(JOIN "|" layers_arg ${layers})
  add_custom_command(OUTPUT ${stamp}
    COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} -DLAYER=${name} -DSEES=${sees_arg}
            -DLAYERS=${layers_arg} -DSTAMP=${stamp} -P ${script}
    DEPENDS ${sources} ${script}
    COMMENT "Checking the includes of the ${name} layer"
    VERBATIM)
  add_custom_target(q5300_${name}_fence DEPENDS ${stamp})
  add_dependencies(q5300_${name} q5300_${name}_fence)
endfunction()
