# Runs "lumorca-cli ARGS" and compares its output byte for byte with the
# expected file.
string(REPLACE "|" ";" args "${ARGS}")
execute_process(COMMAND ${EMULATOR} ${CLI} ${args} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lumorca-cli ${args} ended with ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
  RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "output of lumorca-cli ${args} differs from ${EXPECTED}; see ${OUTPUT}")
endif()
