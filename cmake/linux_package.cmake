# orvtool installed as a Linux tool: the program, its manual page, its bash completion and its Bazel
# rules, and a Debian package and a tarball of the same (cmake --build <build> --target package).
# Included from the top CMakeLists.txt for every build but the Windows one.
include(GNUInstallDirs)

# The installed program carries its C++ runtime: loading libstdc++ and libgcc_s took most of its start,
# which a build system pays once a music set. glibc stays shared: linked in whole, its name look-ups and
# locales would need the machine's own at run time anyway, and Debian rejects such a binary (lintian's
# statically-linked-binary). Of the runtime, only what the program calls is kept: the rest would bring in
# a reader of the environment (std::filesystem's TMPDIR) that the program never asks for. The sanitizers'
# build keeps the runtime their instrumentation expects.
if(NOT ORV_SANITIZE)
  target_link_options(orvtool PRIVATE -static-libstdc++ -static-libgcc -Wl,--gc-sections)
endif()

install(TARGETS orvtool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES tools/orvtool/orvtool.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES tools/orvtool/orvtool-completion.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME orvtool)
set(orvtool_program_folder ${CMAKE_INSTALL_BINDIR})
# The Bazel rules as a repository of their own, share/orvtool, which a workspace names by
# local_repository: the same labels as in this source tree.
install(FILES WORKSPACE DESTINATION ${CMAKE_INSTALL_DATADIR}/orvtool)
install(DIRECTORY bazel/ DESTINATION ${CMAKE_INSTALL_DATADIR}/orvtool/bazel)
include(${CMAKE_CURRENT_LIST_DIR}/orvtool_package_config.cmake)

# What Debian asks of every package, in its folder of documents: the copyright, and the changelog gzipped
# as gzip -9n packs it (no name, no time: the same text gives the same bytes). The tarball and a plain
# install get the same files.
set(orv_doc_folder ${CMAKE_INSTALL_DATADIR}/doc/orvtool)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${orv_generated}/changelog @ONLY)
execute_process(COMMAND gzip -9n --stdout ${orv_generated}/changelog OUTPUT_FILE ${orv_generated}/changelog.gz
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip could not pack ${orv_generated}/changelog (${status})")
endif()
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian/copyright ${orv_generated}/changelog.gz DESTINATION ${orv_doc_folder})

set(CPACK_GENERATOR DEB TGZ)
set(CPACK_PACKAGE_NAME orvtool)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "ORV Builder developers")
# Whoever publishes the package puts their own address here.
set(ORV_PACKAGE_MAINTAINER "ORV Builder developers <orvbuilder@example.org>"
    CACHE STRING "The Maintainer field of the Debian package: a name and an address")
set(CPACK_PACKAGE_CONTACT ${ORV_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "build interactive ORV audio files and show what the game plays from them")
# Debian shows the long description as it is: lines of at most 79 characters.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "orvtool joins simple ORV audio files into one interactive ORV file for the\n"
       "game, as the ORV Builder dialog does, headless, for asset pipelines. It also\n"
       "shows what is inside an ORV file, plays its state table for a run of events,\n"
       "and draws the flow between its pieces as Graphviz DOT.")
set(CPACK_PACKAGE_FILE_NAME orvtool-${PROJECT_VERSION}-linux-${CMAKE_SYSTEM_PROCESSOR})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS graphviz)

# Debian keeps manual pages gzipped (gzip -9n, so the bytes do not depend on when they were packed);
# CPack does not, so both packages get theirs here. A plain install keeps the page as written.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/gzip_man_pages.cmake)

include(CPack)
