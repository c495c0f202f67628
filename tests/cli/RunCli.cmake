# Runs lumorca-cli once and checks its exit status and output.
#   CLI       the program
#   EMULATOR  what runs it in a cross build (optional)
#   ARGS      its arguments, separated by "|"
#   STATUS    expected exit status
#   STDOUT    regular expression the whole standard output must match (optional)
#   STDERR    regular expression the standard error must contain (optional)
string(REPLACE "|" ";" arguments "${ARGS}")
# Through files: CMake drops the CR of CR LF when it reads output as text.
string(MD5 run "${ARGS}|${STATUS}|${STDOUT}|${STDERR}")
set(outFile ${CMAKE_CURRENT_BINARY_DIR}/cli-${run}.out)
set(errFile ${CMAKE_CURRENT_BINARY_DIR}/cli-${run}.err)
execute_process(COMMAND ${EMULATOR} "${CLI}" ${arguments}
  RESULT_VARIABLE status OUTPUT_FILE ${outFile} ERROR_FILE ${errFile})
file(READ ${outFile} out)
file(READ ${errFile} err)
file(READ ${outFile} outHex HEX)
file(READ ${errFile} errHex HEX)
file(REMOVE ${outFile} ${errFile})
if(outHex MATCHES "^(..)*0d" OR errHex MATCHES "^(..)*0d")
  message(FATAL_ERROR "a CR in the output; lines end with LF alone:\n${out}\n---\n${err}")
endif()
if(NOT status STREQUAL "${STATUS}")
  message(FATAL_ERROR "exit status ${status}, expected ${STATUS}\nstdout: ${out}\nstderr: ${err}")
endif()
if(DEFINED STDOUT AND NOT out MATCHES "^${STDOUT}$")
  message(FATAL_ERROR "stdout does not match ${STDOUT}:\n${out}")
endif()
if(DEFINED STDERR AND NOT err MATCHES "${STDERR}")
  message(FATAL_ERROR "stderr does not match ${STDERR}:\n${err}")
endif()
if(STATUS STREQUAL "2")
  # Unusable input: exactly one line of explanation, nothing on stdout.
  string(REGEX MATCHALL "\n" breaks "${err}")
  list(LENGTH breaks lineCount)
  if(NOT lineCount EQUAL 1 OR NOT out STREQUAL "")
    message(FATAL_ERROR "expected one line on stderr and no output, got:\n${out}\n---\n${err}")
  endif()
endif()
