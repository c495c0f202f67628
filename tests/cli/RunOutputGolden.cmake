# Runs lumorca-cli with ARGS (separated by "|") in WORKDIR and compares its
# standard output byte for byte with the file EXPECTED; the exit status must be
# STATUS (0 unless given), and standard error must match the regular
# expression STDERR when it is given. With DOT set, also lets Graphviz read the output
# when it is installed.
string(REPLACE "|" ";" args "${ARGS}")
if(NOT DEFINED STATUS)
  set(STATUS 0)
endif()
if(NOT WORKDIR)
  set(WORKDIR .)
endif()
execute_process(COMMAND ${EMULATOR} ${CLI} ${args} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status
  ERROR_VARIABLE err WORKING_DIRECTORY ${WORKDIR})
if(NOT status EQUAL STATUS)
  message(FATAL_ERROR "lumorca-cli ${ARGS} ended with ${status}")
endif()
if(DEFINED STDERR AND NOT err MATCHES "${STDERR}")
  message(FATAL_ERROR "stderr of lumorca-cli ${ARGS} does not match ${STDERR}:\n${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
  RESULT_VARIABLE different)
if(different)
  message(FATAL_ERROR "output of lumorca-cli ${ARGS} differs from ${EXPECTED}; see ${OUTPUT}")
endif()
if(DOT)
  find_program(DOT_PROGRAM dot)
  if(DOT_PROGRAM)
    execute_process(COMMAND ${DOT_PROGRAM} -Tplain ${OUTPUT} RESULT_VARIABLE dotStatus
      OUTPUT_QUIET ERROR_VARIABLE dotErrors)
    if(NOT dotStatus EQUAL 0 OR NOT dotErrors STREQUAL "")
      message(FATAL_ERROR "Graphviz does not accept ${OUTPUT}: ${dotErrors}")
    endif()
  endif()
endif()
