# Tests of a Windows cross build: GoogleTest built from its sources (Debian
# installs them under /usr/src/googletest) and every test program run under
# Wine, in a prefix of the build's own (tools/common.sh starts it once).
set(LUMORCA_GTEST_SOURCES /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${LUMORCA_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# The test lists are read when the tests run, so the build needs no Wine.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# Names beside those of the native build: both suites may land in one report.
set(LUMORCA_TEST_PREFIX windows.)

if(WIN32 AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
  find_program(LUMORCA_WINE NAMES wine64 wine PATHS /usr/lib/wine REQUIRED)
  get_filename_component(wineDir ${LUMORCA_WINE} DIRECTORY)
  find_program(LUMORCA_WINESERVER NAMES wineserver HINTS ${wineDir} /usr/lib/wine REQUIRED)
  set(LUMORCA_WINEPREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)
  # Wine's drive for the Unix root: absolute Windows paths for the tests.
  set(LUMORCA_TEST_DRIVE Z:)
endif()
