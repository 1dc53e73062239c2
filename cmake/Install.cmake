# Installation and the Debian package: the two programs in bin/, their man pages (made by
# help2man from their --help and --version texts and from docs/format.md) in share/man/man1/,
# the examples and the format description in share/doc/lsys2pov/.
include(GNUInstallDirs)

install(TARGETS lsys2pov RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET lsys)
  install(TARGETS lsys RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples FILES_MATCHING
        PATTERN "*.ls" PATTERN "*.md")
install(FILES LICENSE README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(EXISTS "${PROJECT_SOURCE_DIR}/docs/format.md")
  install(FILES docs/format.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

find_program(HELP2MAN_EXECUTABLE help2man)
if(HELP2MAN_EXECUTABLE)
  set(man_dir "${PROJECT_BINARY_DIR}/man")
  set(format_document "")
  if(EXISTS "${PROJECT_SOURCE_DIR}/docs/format.md")
    set(format_document "${PROJECT_SOURCE_DIR}/docs/format.md")
  endif()
  file(MAKE_DIRECTORY "${man_dir}")
  add_custom_command(OUTPUT "${man_dir}/format.h2m"
    COMMAND ${CMAKE_COMMAND} -DINPUT=${PROJECT_SOURCE_DIR}/docs/format.md
            -DOUTPUT=${man_dir}/format.h2m "-DSECTION=DESCRIPTION FILES"
            -P ${PROJECT_SOURCE_DIR}/cmake/MarkdownToMan.cmake
    DEPENDS ${PROJECT_SOURCE_DIR}/cmake/MarkdownToMan.cmake ${format_document}
    COMMENT "Converting docs/format.md for the man pages")
  set(man_pages "${man_dir}/lsys2pov.1")
  add_custom_command(OUTPUT "${man_dir}/lsys2pov.1"
    COMMAND ${HELP2MAN_EXECUTABLE} --no-info --no-discard-stderr --section=1
            "--name=grow an L-system into a POV-Ray scene"
            --include=${PROJECT_SOURCE_DIR}/man/lsys2pov.h2m --include=${man_dir}/format.h2m
            --output=${man_dir}/lsys2pov.1 $<TARGET_FILE:lsys2pov>
    DEPENDS lsys2pov ${PROJECT_SOURCE_DIR}/man/lsys2pov.h2m "${man_dir}/format.h2m"
    COMMENT "Writing the man page lsys2pov.1")
  if(TARGET lsys)
    list(APPEND man_pages "${man_dir}/lsys.1")
    add_custom_command(OUTPUT "${man_dir}/lsys.1"
      COMMAND ${CMAKE_COMMAND} -DLSYS=$<TARGET_FILE:lsys> -DOUTPUT=${man_dir}/commands.h2m
              -P ${PROJECT_SOURCE_DIR}/cmake/CommandsToMan.cmake
      COMMAND ${HELP2MAN_EXECUTABLE} --no-info --no-discard-stderr --section=1
              "--name=check, render, export and summarise L-system descriptions"
              --include=${PROJECT_SOURCE_DIR}/man/lsys.h2m --include=${man_dir}/commands.h2m
              --include=${man_dir}/format.h2m --output=${man_dir}/lsys.1 $<TARGET_FILE:lsys>
      DEPENDS lsys ${PROJECT_SOURCE_DIR}/man/lsys.h2m "${man_dir}/format.h2m"
              ${PROJECT_SOURCE_DIR}/cmake/CommandsToMan.cmake
      COMMENT "Writing the man page lsys.1")
  endif()
  add_custom_target(man_pages ALL DEPENDS ${man_pages})
  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
else()
  message(WARNING "help2man not found: the man pages are neither built nor installed "
                  "(Debian package help2man)")
endif()

set(CPACK_PACKAGE_NAME lsys2pov)
set(CPACK_PACKAGE_VENDOR "lsys2pov developers")
set(CPACK_PACKAGE_CONTACT "lsys2pov developers <lsys2pov@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "grow plants and fractals from L-systems into POV-Ray scenes")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The shared libraries (libfparser4, libstdc++6, libc6) are found by dpkg-shlibdeps; POV-Ray
# is what `lsys render` runs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "povray")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "povray-includes")
include(CPack)
