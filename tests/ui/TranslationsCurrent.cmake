# Brings copies of the translation files up to date with the sources, as the
# target update_translations would, and runs the test of the translation files
# on the copies: a text of the sources that the files lack comes in unfinished
# and fails it, and so does a text the sources no longer have.
#   cmake -DLUPDATE=... -DSOURCES_LIST=... -DINCLUDES_LIST=... -DOPTIONS=... -DTS_FILES=...
#         -DWORK_DIR=... -DTEST_PROGRAM=... -P TranslationsCurrent.cmake
file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(copies)
foreach(ts IN LISTS TS_FILES)
  get_filename_component(name "${ts}" NAME)
  configure_file("${ts}" "${WORK_DIR}/${name}" COPYONLY)
  list(APPEND copies "${WORK_DIR}/${name}")
endforeach()
# Kept: texts no longer in the sources are marked, not dropped.
list(REMOVE_ITEM OPTIONS -no-obsolete)
file(STRINGS "${INCLUDES_LIST}" includes)
set(include_options)
foreach(dir IN LISTS includes)
  list(APPEND include_options "-I${dir}")
endforeach()
execute_process(COMMAND "${LUPDATE}" ${OPTIONS} ${include_options} "@${SOURCES_LIST}" -ts ${copies}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed:\n${output}")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E env "Q5300_TS_DIR=${WORK_DIR}"
                        "${TEST_PROGRAM}" --gtest_filter=TranslationFiles.*
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The translation files lack texts of the sources, or hold texts they no "
                      "longer have: run `cmake --build BUILD --target update_translations` and "
                      "translate what is unfinished in both files.")
endif()
