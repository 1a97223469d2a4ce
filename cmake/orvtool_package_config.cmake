# orvtool's CMake package config and its version file, installed at lib/cmake/orvtool, where
# find_package(orvtool) looks under a prefix on every platform. Included by the Linux and the Windows
# install rules, after each has set orvtool_program_folder: where orvtool lies, relative to the prefix.
include(CMakePackageConfigHelpers)

set(ORVTOOL_PROGRAM ${orvtool_program_folder}/orvtool${CMAKE_EXECUTABLE_SUFFIX})
cmake_path(NORMAL_PATH ORVTOOL_PROGRAM)
set(orvtool_config_folder lib/cmake/orvtool)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/orvtoolConfig.cmake.in
  ${orv_generated}/orvtoolConfig.cmake
  INSTALL_DESTINATION ${orvtool_config_folder}
  PATH_VARS ORVTOOL_PROGRAM
  NO_SET_AND_CHECK_MACRO)
# A program serves a project of any word size, so the version file leaves that out.
write_basic_package_version_file(${orv_generated}/orvtoolConfigVersion.cmake
  VERSION ${PROJECT_VERSION}
  COMPATIBILITY SameMajorVersion
  ARCH_INDEPENDENT)
install(FILES ${orv_generated}/orvtoolConfig.cmake ${orv_generated}/orvtoolConfigVersion.cmake
        DESTINATION ${orvtool_config_folder})
