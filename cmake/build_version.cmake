# Writes the program's version into OUT as two macros that C++ and the
# Windows resource compiler both read:
#   MIRELO_VERSION          "0.1.0" at a tag v0.1.0, "0.1.0+12.gabc1234" twelve
#                           commits after it (or after the start, with no tag),
#                           ".dirty" behind it for uncommitted changes
#   MIRELO_VERSION_NUMBERS  0,1,0,12: the four numbers of a Windows version
# The Git description where there is one, else BASE_VERSION. The file is
# rewritten only when the text changes, so an unchanged version rebuilds
# nothing. Run with -DSOURCE_DIR= -DBASE_VERSION= -DOUT=.
set(version "${BASE_VERSION}")
set(numbers "${BASE_VERSION}")
set(count 0)
find_package(Git QUIET)
if(GIT_FOUND AND EXISTS "${SOURCE_DIR}/.git")
  execute_process(COMMAND "${GIT_EXECUTABLE}" describe --tags --match "v[0-9]*" --long --dirty
                  WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE described
                  RESULT_VARIABLE tagged OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(tagged EQUAL 0 AND described MATCHES "^v([0-9]+\\.[0-9]+\\.[0-9]+)-([0-9]+)-g([0-9a-f]+)(-dirty)?$")
    set(numbers "${CMAKE_MATCH_1}")
    set(count "${CMAKE_MATCH_2}")
    set(hash "${CMAKE_MATCH_3}")
    set(dirty "${CMAKE_MATCH_4}")
    set(version "${numbers}")
  else()
    execute_process(COMMAND "${GIT_EXECUTABLE}" rev-list --count HEAD
                    WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE count
                    RESULT_VARIABLE counted OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    execute_process(COMMAND "${GIT_EXECUTABLE}" describe --always --abbrev=7 --dirty
                    WORKING_DIRECTORY "${SOURCE_DIR}" OUTPUT_VARIABLE described
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(counted EQUAL 0 AND described MATCHES "^([0-9a-f]+)(-dirty)?$")
      set(hash "${CMAKE_MATCH_1}")
      set(dirty "${CMAKE_MATCH_2}")
    else()
      set(count 0)
    endif()
  endif()
  if(count GREATER 0 AND DEFINED hash)
    string(APPEND version "+${count}.g${hash}")
  endif()
  if(dirty)
    string(APPEND version ".dirty")
  endif()
endif()
if(count GREATER 65535)
  set(count 65535)
endif()
string(REPLACE "." "," numbers "${numbers},${count}")

set(text "// Made by cmake/build_version.cmake at build time.
#ifndef MIRELO_BUILD_VERSION_H
#define MIRELO_BUILD_VERSION_H
#define MIRELO_VERSION \"${version}\"
#define MIRELO_VERSION_NUMBERS ${numbers}
#endif
")
if(EXISTS "${OUT}")
  file(READ "${OUT}" old)
endif()
if(NOT old STREQUAL text)
  file(WRITE "${OUT}" "${text}")
endif()
