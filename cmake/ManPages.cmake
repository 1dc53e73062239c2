# The man pages, written by pandoc from markdown at build time and installed gzipped:
#   lsys2pov(1)    from man/lsys2pov.1.md;
#   lsys(1)        from man/lsys.1.md, with the options and one section per subcommand taken
#                  from `lsys --help` and `lsys COMMAND --help` (cmake/HelpToMarkdown.cmake),
#                  so a new subcommand is in the page without an edit here;
#   lsys2pov.ls(5) from docs/format.md, the reference of the description format.
# man/man_page.lua shapes each document into a man page (NAME section, headings, tables that
# fit 80 columns). Without pandoc (Debian package pandoc) no man page is built or installed.
find_program(PANDOC_EXECUTABLE pandoc)
if(NOT PANDOC_EXECUTABLE)
  message(WARNING "pandoc not found: the man pages are neither built nor installed "
                  "(Debian package pandoc)")
  return()
endif()

set(man_dir "${PROJECT_BINARY_DIR}/man")
file(MAKE_DIRECTORY "${man_dir}")
set(man_filter "${PROJECT_SOURCE_DIR}/man/man_page.lua")
set(man_pages "")

# lsys_man_page(NAME SECTION SOURCE WHATIS [FORMAT markdown|gfm] [DEPENDS files...]) writes
# ${man_dir}/NAME.SECTION.gz from the markdown file SOURCE and installs it; WHATIS is the text
# of its NAME section ("name - what it is").
function(lsys_man_page name section source whatis)
  cmake_parse_arguments(PARSE_ARGV 4 arg "" "FORMAT" "DEPENDS")
  if(NOT arg_FORMAT)
    set(arg_FORMAT markdown)
  endif()
  set(headers 1 "User Commands" 5 "File Formats")
  list(FIND headers ${section} at)
  math(EXPR at "${at} + 1")
  list(GET headers ${at} header)
  string(TOUPPER "${name}" title)
  set(page "${man_dir}/${name}.${section}")
  # Smart quotes stay off: the pages quote command lines and program output.
  add_custom_command(OUTPUT "${page}.gz"
    COMMAND ${PANDOC_EXECUTABLE} --standalone --from=${arg_FORMAT}-smart --to=man
            --lua-filter=${man_filter} --metadata=title:${title} --metadata=section:${section}
            "--metadata=header:${header}" "--metadata=footer:lsys2pov ${PROJECT_VERSION}"
            --metadata=date:${LSYS_RELEASE_DATE} "--metadata=whatis:${whatis}"
            --metadata=hyphenate:false --output=${page} ${source}
    COMMAND gzip -9nf ${page}
    DEPENDS ${source} ${man_filter} ${arg_DEPENDS}
    COMMENT "Writing the man page ${name}(${section})"
    VERBATIM)
  install(FILES "${page}.gz" DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
  set(man_pages ${man_pages} "${page}.gz" PARENT_SCOPE)
endfunction()

lsys_man_page(lsys2pov 1 "${PROJECT_SOURCE_DIR}/man/lsys2pov.1.md"
              "lsys2pov - grow an L-system into a POV-Ray scene")
lsys_man_page(lsys2pov.ls 5 "${PROJECT_SOURCE_DIR}/docs/format.md"
              "lsys2pov.ls - L-system description files of lsys2pov and lsys" FORMAT gfm)
if(TARGET lsys)
  add_custom_command(OUTPUT "${man_dir}/lsys.1.md"
    COMMAND ${CMAKE_COMMAND} -DLSYS=$<TARGET_FILE:lsys>
            -DSOURCE=${PROJECT_SOURCE_DIR}/man/lsys.1.md -DOUTPUT=${man_dir}/lsys.1.md
            -P ${PROJECT_SOURCE_DIR}/cmake/HelpToMarkdown.cmake
    DEPENDS lsys ${PROJECT_SOURCE_DIR}/man/lsys.1.md
            ${PROJECT_SOURCE_DIR}/cmake/HelpToMarkdown.cmake
    COMMENT "Collecting the help texts of lsys for its man page"
    VERBATIM)
  lsys_man_page(lsys 1 "${man_dir}/lsys.1.md"
                "lsys - check, render, export and summarise L-system descriptions")
endif()
add_custom_target(man_pages ALL DEPENDS ${man_pages})
