# Builds both programs again from a copy of the sources in another folder, with the same compilers and
# build type, and checks that they come out byte for byte as the ones given.
# Run as: cmake -DSOURCE_DIR=<sources> -DWORK_DIR=<scratch folder> -DGENERATOR=<generator>
#               [-DTOOLCHAIN=<file>] -DBUILD_TYPE=<type> -DCC=<c> -DCXX=<c++> -DRC=<windres>
#               -DBUILDER=<ORVBuilder.exe> -DTOOL=<orvtool.exe> -P check_reproducible.cmake
cmake_minimum_required(VERSION 3.20)
# Paths of another length than the usual ones, so that no path can hide in padding either.
set(sources ${WORK_DIR}/a-copy-of-the-sources)
set(build ${WORK_DIR}/its-own-build-folder)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${sources})
# Everything the programs are built from; the tests are left out.
foreach(item CMakeLists.txt README.md cmake docs engine examples frontend resources tools)
  file(COPY ${SOURCE_DIR}/${item} DESTINATION ${sources})
endforeach()

set(configure ${CMAKE_COMMAND} -S ${sources} -B ${build} -G ${GENERATOR} -DCMAKE_BUILD_TYPE=${BUILD_TYPE}
    -DCMAKE_C_COMPILER=${CC} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_RC_COMPILER=${RC} -DORV_TESTS=OFF)
if(TOOLCHAIN)
  list(APPEND configure -DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN})
endif()
execute_process(COMMAND ${configure} RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "configuring the copy failed:\n${log}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${build} --target ORVBuilder orvtool
                RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "building the copy failed:\n${log}")
endif()

foreach(pair "${build}/frontend/ORVBuilder.exe=${BUILDER}" "${build}/tools/orvtool/orvtool.exe=${TOOL}")
  string(REGEX MATCH "^([^=]+)=(.*)$" _ "${pair}")
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${CMAKE_MATCH_2} and its build from another folder (${CMAKE_MATCH_1}) differ")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})
