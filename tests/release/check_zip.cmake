# Makes the zip with the package target, as a user would, and checks that it holds both programs as
# built, the README, the short README.txt for Windows users and the examples, in one folder named like
# the zip.
# Run as: cmake -DBUILD_DIR=<build> -DNAME=<zip name without .zip> -DWORK_DIR=<scratch folder>
#               -DBUILDER=<ORVBuilder.exe> -DTOOL=<orvtool.exe> -DVERSION=<version> -P check_zip.cmake
cmake_minimum_required(VERSION 3.20)
set(zip ${BUILD_DIR}/${NAME}.zip)
file(REMOVE ${zip})
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target package
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the package target failed (${status}):\n${log}")
endif()
if(NOT EXISTS ${zip})
  message(FATAL_ERROR "the package target made no ${zip}:\n${log}")
endif()

file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${WORK_DIR} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cannot unpack ${zip}")
endif()
set(top ${WORK_DIR}/${NAME})
foreach(pair "ORVBuilder.exe=${BUILDER}" "orvtool.exe=${TOOL}")
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${pair}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${top}/${CMAKE_MATCH_1} ${CMAKE_MATCH_2}
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "the zip's ${CMAKE_MATCH_1} is missing or is not the one built (${CMAKE_MATCH_2})")
  endif()
endforeach()
foreach(file README.md README.txt examples/script.txt examples/cruising_begin.orv docs/screenshot.png WORKSPACE
             bazel/orv_music.bzl bazel/orvtool_repository.bzl examples/bazel/WORKSPACE)
  if(NOT EXISTS ${top}/${file})
    message(FATAL_ERROR "the zip holds no ${NAME}/${file}")
  endif()
endforeach()
# README.txt is read in Notepad: every line ends in CR LF, and it says what the program is, how to start
# it and where out.orv goes, for this version.
# file(READ) drops CRs from a text, so the line ends are counted in its bytes.
file(READ ${top}/README.txt bytes HEX)
string(REGEX REPLACE "(..)" "\\1 " bytes "${bytes}")
string(REGEX MATCHALL "0a " line_ends "${bytes}")
string(REGEX MATCHALL "0d 0a " crlf_ends "${bytes}")
list(LENGTH line_ends lines)
list(LENGTH crlf_ends crlf_lines)
if(lines EQUAL 0 OR NOT lines EQUAL crlf_lines)
  message(FATAL_ERROR "the zip's README.txt has ${lines} lines, ${crlf_lines} of them ending in CR LF")
endif()
file(READ ${top}/README.txt readme)
string(REGEX MATCH "^ORV Builder ([0-9.]+)\n" first_line "${readme}")
if(NOT CMAKE_MATCH_1 STREQUAL VERSION)
  message(FATAL_ERROR "the zip's README.txt does not open with ORV Builder ${VERSION}: '${first_line}'")
endif()
foreach(part "double-click" "Browse..." "Save..." "Open..." "out.orv is written in the folder the program was started in")
  string(FIND "${readme}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the zip's README.txt does not say '${part}'")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
