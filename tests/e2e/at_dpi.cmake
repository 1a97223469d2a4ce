# Runs the end-to-end tests that FILTER names with Wine's display setting (LogPixels) at DPI, then puts
# the setting back as it was. Programs read it when they start, so the tests' own process and the
# programs it starts all run at DPI. Screenshots of the run get the DPI in their file name.
# Run as: cmake -DWINE=<wine> -DTEST=<e2e_test.exe> -DDPI=<dots per inch> -DFILTER=<gtest filter> -P at_dpi.cmake
cmake_minimum_required(VERSION 3.20)
set(key "HKCU\\Control Panel\\Desktop")

# Everything that can stop the script comes before the setting changes, so it is always put back.
set(shot "$ENV{ORV_SCREENSHOT_BMP}")
if(NOT shot STREQUAL "")
  string(REGEX REPLACE "\\.bmp$" "" shot "${shot}")
  set(ENV{ORV_SCREENSHOT_BMP} "${shot}-${DPI}dpi.bmp")
endif()
set(ENV{ORV_EXPECT_DPI} ${DPI})

execute_process(COMMAND ${WINE} reg query "${key}" /v LogPixels
                OUTPUT_VARIABLE query RESULT_VARIABLE queried ERROR_QUIET)
set(before "")
if(queried EQUAL 0 AND query MATCHES "LogPixels[ \t]+REG_DWORD[ \t]+(0x[0-9a-fA-F]+)")
  math(EXPR before "${CMAKE_MATCH_1}")
endif()

execute_process(COMMAND ${WINE} reg add "${key}" /v LogPixels /t REG_DWORD /d ${DPI} /f
                RESULT_VARIABLE set_status OUTPUT_QUIET ERROR_QUIET)
if(NOT set_status EQUAL 0)
  message(FATAL_ERROR "cannot set LogPixels to ${DPI} (${set_status})")
endif()

execute_process(COMMAND ${WINE} ${TEST} --gtest_filter=${FILTER} RESULT_VARIABLE status)

if(before STREQUAL "")
  execute_process(COMMAND ${WINE} reg delete "${key}" /v LogPixels /f OUTPUT_QUIET ERROR_QUIET)
else()
  execute_process(COMMAND ${WINE} reg add "${key}" /v LogPixels /t REG_DWORD /d ${before} /f
                  OUTPUT_QUIET ERROR_QUIET)
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the tests at ${DPI} dpi failed (${status})")
endif()
