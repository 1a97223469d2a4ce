# Makes the zip with the package target, as a user would, and checks that it holds both programs as
# built, the README and the examples, in one folder named like the zip.
# Run as: cmake -DBUILD_DIR=<build> -DNAME=<zip name without .zip> -DWORK_DIR=<scratch folder>
#               -DBUILDER=<ORVBuilder.exe> -DTOOL=<orvtool.exe> -P check_zip.cmake
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
foreach(file README.md examples/script.txt examples/cruising_begin.orv docs/screenshot.png)
  if(NOT EXISTS ${top}/${file})
    message(FATAL_ERROR "the zip holds no ${NAME}/${file}")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
