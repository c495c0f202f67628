# Formats manual pages with every groff warning on; any warning fails.
# Arguments: GROFF, PAGES ("|"-separated files).
if(NOT GROFF)
  message(FATAL_ERROR "groff not found (Debian package groff-base)")
endif()
string(REPLACE "|" ";" pages "${PAGES}")
foreach(page ${pages})
  execute_process(COMMAND ${GROFF} -ww -z -man ${page}
                  RESULT_VARIABLE result ERROR_VARIABLE warnings)
  if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "${page}:\n${warnings}")
  endif()
endforeach()
