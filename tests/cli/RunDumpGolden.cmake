# Runs "lumorca-cli [options] dump INPUT" and compares its output byte for
# byte with the expected file.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${EMULATOR} ${CLI} ${args} dump ${INPUT}
  OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lumorca-cli dump ${INPUT} ended with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
  RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "dump of ${INPUT} differs from ${EXPECTED}; see ${OUTPUT}")
endif()
