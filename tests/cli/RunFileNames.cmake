# File names beyond ASCII, and on Windows with a drive letter and backslashes:
# the program opens the files they name and reports them as given.
#   CLI, EMULATOR  the program and what runs it (see RunCli.cmake)
#   LISTING        rules.pro, copied under a name beyond ASCII
#   SETTINGS       a settings file, copied likewise
#   WORK           a directory for the copies
#   WINDOWS        set for a Windows build; DRIVE prefixes paths without one
set(dirName "Verzeichnis ä 日本")
set(fileName "Prüfung ö.pro")
set(dir ${WORK}/${dirName})
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir})
file(COPY_FILE ${LISTING} ${dir}/${fileName})
file(COPY_FILE ${SETTINGS} "${dir}/Einstellungen ß.ini")

function(given path out)
  if(WINDOWS)
    string(REPLACE "/" "\\" path "${DRIVE}${path}")
  endif()
  set(${out} "${path}" PARENT_SCOPE)
endfunction()
given("${dir}/${fileName}" listing)
given("${dir}/Einstellungen ß.ini" settings)
given("${dir}/fehlt ü.pro" missing)

function(run expectedStatus)
  execute_process(COMMAND ${EMULATOR} ${CLI} ${ARGN}
    RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status STREQUAL "${expectedStatus}")
    message(FATAL_ERROR "lumorca-cli ${ARGN}: exit status ${status}, expected ${expectedStatus}\n"
                        "stdout: ${out}\nstderr: ${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

run(1 check ${listing})
string(FIND "${out}" "${listing}:6: warning: local variable V_Wo is written but never read" at)
if(NOT at EQUAL 0)
  message(FATAL_ERROR "findings do not name ${listing}:\n${out}")
endif()

run(1 check --format sarif ${listing})
set(encoded "Verzeichnis%20%C3%A4%20%E6%97%A5%E6%9C%AC/Pr%C3%BCfung%20%C3%B6.pro")
if(WINDOWS)
  set(uri "\"uri\": \"file:///[A-Za-z]:/[^\"\\\\]*/${encoded}\"")
else()
  set(uri "\"uri\": \"file:///[^\"]*/${encoded}\"")
endif()
if(NOT out MATCHES "${uri}")
  message(FATAL_ERROR "no URI ${uri} in\n${out}")
endif()

run(0 --settings ${settings} lines ${listing})
run(2 lines ${missing})
if(NOT err STREQUAL "lumorca-cli: Coudn't read file ${missing}\n")
  message(FATAL_ERROR "the message does not name ${missing}:\n${err}")
endif()
