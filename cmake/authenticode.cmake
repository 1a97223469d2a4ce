# Authenticode signatures for the Windows download, by osslsigncode, when the build is given the studio's
# code-signing certificate. Read from the environment when the package is made, so that no secret is
# written into the build folder:
#   ORV_SIGN_PKCS12         the certificate and its private key, a PKCS#12 (.pfx) file
#   ORV_SIGN_PASSWORD       its password
#   ORV_SIGN_TIMESTAMP_URL  an RFC 3161 time-stamping server, so that signatures outlive the certificate

# orv_sign(SCRATCH FILE...): signs each FILE in place, if there is a certificate. SCRATCH is a folder of
# the caller's, outside what is packed, for the password, which osslsigncode then reads from a file only
# this user may read, rather than from its command line, which every user of the machine sees.
function(orv_sign scratch)
  if("$ENV{ORV_SIGN_PKCS12}" STREQUAL "")
    return()
  endif()
  if(NOT EXISTS "$ENV{ORV_SIGN_PKCS12}")
    message(FATAL_ERROR "ORV_SIGN_PKCS12 names no file: $ENV{ORV_SIGN_PKCS12}")
  endif()
  find_program(osslsigncode osslsigncode REQUIRED)
  set(stamp)
  if(NOT "$ENV{ORV_SIGN_TIMESTAMP_URL}" STREQUAL "")
    set(stamp -ts "$ENV{ORV_SIGN_TIMESTAMP_URL}")
  endif()
  file(REMOVE_RECURSE ${scratch})
  file(MAKE_DIRECTORY ${scratch})
  file(CHMOD ${scratch} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  file(WRITE ${scratch}/password "$ENV{ORV_SIGN_PASSWORD}")
  foreach(file IN LISTS ARGN)
    file(REMOVE ${file}.signed)
    execute_process(COMMAND ${osslsigncode} sign -pkcs12 "$ENV{ORV_SIGN_PKCS12}" -readpass ${scratch}/password
                    -h sha256 -n "ORV Builder" ${stamp} -in ${file} -out ${file}.signed
                    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
    if(NOT status EQUAL 0)
      file(REMOVE_RECURSE ${scratch})
      file(REMOVE ${file}.signed)
      message(FATAL_ERROR "osslsigncode could not sign ${file} (${status}):\n${log}")
    endif()
    file(RENAME ${file}.signed ${file})
  endforeach()
  file(REMOVE_RECURSE ${scratch})
endfunction()
