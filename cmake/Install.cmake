# Installation and the Debian package: the two programs in bin/, their man pages in
# share/man/ (cmake/ManPages.cmake), and in share/doc/lsys2pov/ the README with the docs/ it
# links to, the examples, the copyright file and the changelog (cmake/DebianPackage.cmake).
include(GNUInstallDirs)

install(TARGETS lsys2pov RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET lsys)
  install(TARGETS lsys RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# The page of `lsys view`: ours and the modules of three.js it loads, with three.js' licence.
if(TARGET lsys_view_page)
  install(DIRECTORY "${PROJECT_BINARY_DIR}/src/companion/lsys-view/"
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lsys2pov/view)
endif()
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples FILES_MATCHING
        PATTERN "*.ls" PATTERN "*.md")
# The README links to docs/ and shows the pictures of docs/gallery: they keep their places
# beside it. The licence is in the copyright file.
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs)

include(DebianPackage)
include(ManPages)
