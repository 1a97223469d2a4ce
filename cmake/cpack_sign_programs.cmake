# Run by CPack on the Windows zip's staged files before it packs them: signs both programs, so that the
# zip and the MSI made afterwards from the same files (cpack_msi.cmake) hold signed ones, when the build is
# given a certificate (authenticode.cmake); says so once when it is not.
include(${CMAKE_CURRENT_LIST_DIR}/authenticode.cmake)
if("$ENV{ORV_SIGN_PKCS12}" STREQUAL "")
  message(STATUS "ORV_SIGN_PKCS12 is not set: ORVBuilder.exe, orvtool.exe and the MSI are not signed")
endif()
orv_sign(${CPACK_TOPLEVEL_DIRECTORY}/signing ${CPACK_TEMPORARY_DIRECTORY}/ORVBuilder.exe
         ${CPACK_TEMPORARY_DIRECTORY}/orvtool.exe)
