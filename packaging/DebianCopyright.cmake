# Writes a machine-readable Debian copyright file from the project's LICENSE
# (the MIT licence, called Expat there). Arguments: INPUT, OUTPUT, CONTACT.
file(READ "${INPUT}" license)
if(NOT license MATCHES "Copyright \\(c\\) ([^\n]+)\n")
  message(FATAL_ERROR "${INPUT}: no \"Copyright (c)\" line")
endif()
set(holder "${CMAKE_MATCH_1}")
string(FIND "${license}" "Permission is hereby granted" start)
if(start LESS 0)
  message(FATAL_ERROR "${INPUT}: not the MIT licence text")
endif()
string(SUBSTRING "${license}" ${start} -1 terms)
string(STRIP "${terms}" terms)
# Continuation lines start with a blank; an empty line is written " .".
string(REGEX REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(WRITE "${OUTPUT}"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Lumorca
Upstream-Contact: ${CONTACT}

Files: *
Copyright: ${holder}
License: Expat

License: Expat
 ${terms}
")
