# Fails unless the program named by EXE imports only the DLLs in ALLOWED: DLLs that every Windows has,
# and of those only the ones the program is meant to use.
# Run as: cmake -DOBJDUMP=<objdump> -DEXE=<program> -DALLOWED=<A.DLL,B.DLL> -P check_imports.cmake
cmake_minimum_required(VERSION 3.20)
if(NOT ALLOWED)
  message(FATAL_ERROR "ALLOWED names no DLL")
endif()
string(TOUPPER "${ALLOWED}" allowed)
string(REPLACE "," ";" allowed "${allowed}")

execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${EXE} failed (${status})")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${headers}")
if(NOT lines)
  message(FATAL_ERROR "${EXE} names no imported DLL at all; is it a Windows program?")
endif()

set(imported "")
set(foreign "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE "^DLL Name: *" "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOUPPER "${dll}" dll)
  list(APPEND imported ${dll})
  if(NOT dll IN_LIST allowed)
    list(APPEND foreign ${dll})
  endif()
endforeach()

message(STATUS "Imports: ${imported}")
if(foreign)
  message(FATAL_ERROR "${EXE} imports DLLs beyond ${allowed}: ${foreign}")
endif()
