# The Debian package (cpack -G DEB), made to pass lintian: a maintainer address, an extended
# description, the machine-readable copyright file with the licence, the changelog, gzipped
# man pages (cmake/ManPages.cmake) and stripped programs. Sets LSYS_RELEASE_DATE (YYYY-MM-DD),
# the date of the newest changelog entry, for the man pages.
set(lsys_maintainer "lsys2pov developers <maintainers@lsys2pov.org>")

# What the programs run besides the shared libraries, which dpkg-shlibdeps finds itself
# (libfparser4, libstdc++6, libc6): POV-Ray for `lsys render`. A command that starts running
# another program appends its package here.
set(lsys_package_depends povray ffmpeg)
set(lsys_package_suggests povray-includes)

# packaging/changelog is the Debian changelog, newest entry first. Its version must be the
# project's, or the package would describe another release.
set(changelog "${PROJECT_SOURCE_DIR}/packaging/changelog")
file(STRINGS "${changelog}" changelog_lines)
list(GET changelog_lines 0 newest_entry)
if(NOT newest_entry MATCHES "^lsys2pov \\(([^)]+)\\)" OR
   NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog begins with '${newest_entry}': give version "
                      "${PROJECT_VERSION} an entry at its top")
endif()
foreach(line IN LISTS changelog_lines)
  if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    list(FIND months "${CMAKE_MATCH_2}" month)
    math(EXPR month "${month} + 1" OUTPUT_FORMAT DECIMAL)
    if(month LESS 10)
      set(month "0${month}")
    endif()
    set(LSYS_RELEASE_DATE "${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1}")
    break()
  endif()
endforeach()
if(NOT LSYS_RELEASE_DATE)
  message(FATAL_ERROR "packaging/changelog: the newest entry has no ' -- NAME <ADDRESS>  DATE' line")
endif()

set(package_dir "${PROJECT_BINARY_DIR}/package")
file(MAKE_DIRECTORY "${package_dir}")
add_custom_command(OUTPUT "${package_dir}/changelog.gz"
  COMMAND ${CMAKE_COMMAND} -E copy "${changelog}" "${package_dir}/changelog"
  COMMAND gzip -9nf "${package_dir}/changelog"
  DEPENDS "${changelog}"
  COMMENT "Compressing the changelog")
add_custom_target(package_changelog ALL DEPENDS "${package_dir}/changelog.gz")

# The copyright file in Debian's machine-readable form, with the licence text of LICENSE.
file(READ "${PROJECT_SOURCE_DIR}/LICENSE" license)
if(NOT license MATCHES "^MIT License\n\nCopyright \\(c\\) ([^\n]+)\n\n(.*)$")
  message(FATAL_ERROR "LICENSE is no longer the MIT licence this file expects")
endif()
set(copyright_holder "${CMAKE_MATCH_1}")
string(STRIP "${CMAKE_MATCH_2}" license_text)
string(REPLACE "\n\n" "\n.\n" license_text "${license_text}")
string(REPLACE "\n" "\n " license_text "${license_text}")
file(WRITE "${package_dir}/copyright"
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: lsys2pov
Upstream-Contact: ${lsys_maintainer}

Files: *
Copyright: ${copyright_holder}
License: Expat
Comment: The MIT licence, as in the file LICENSE of the source.

License: Expat
 ${license_text}
")
install(FILES "${package_dir}/copyright" "${package_dir}/changelog.gz"
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME lsys2pov)
set(CPACK_PACKAGE_VENDOR "lsys2pov developers")
set(CPACK_PACKAGE_CONTACT "${lsys_maintainer}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "grow plants and fractals from L-systems into POV-Ray scenes")
set(CPACK_PACKAGE_DESCRIPTION
"lsys2pov reads an L-system description (an axiom, context-sensitive
parametric rules with conditions, text definitions, the number of steps and
the turning angle), derives its generations, walks the last one with a 3D
turtle and writes the truncated cones and polygons it leaves as a POV-Ray
scene with a light and a camera.

The companion command lsys checks descriptions for mistakes, renders them
with POV-Ray to framed pictures, exports them as OBJ meshes or SVG drawings,
and summarises their growth. Examples of the classic plants and fractals of
The Algorithmic Beauty of Plants come with the package.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
list(JOIN lsys_package_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN lsys_package_suggests ", " CPACK_DEBIAN_PACKAGE_SUGGESTS)
include(CPack)
