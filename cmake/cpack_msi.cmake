# Run by CPack once it has packed the Windows zip: makes the MSI beside it from the same staged files, and
# signs it as the programs in it are signed, when the build is given a certificate.
set(STAGE ${CPACK_TEMPORARY_DIRECTORY})
set(VERSION ${CPACK_PACKAGE_VERSION})
set(OUTPUT ${CPACK_PACKAGE_DIRECTORY}/ORVBuilder-${VERSION}-x64.msi)
include(${CMAKE_CURRENT_LIST_DIR}/make_msi.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/authenticode.cmake)
orv_sign(${CPACK_TOPLEVEL_DIRECTORY}/signing ${OUTPUT})
message(STATUS "Windows Installer package: ${OUTPUT}")
