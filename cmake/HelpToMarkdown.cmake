# Completes the markdown source of lsys(1) from the program's own help texts, so that the man
# page says what `lsys --help` and `lsys COMMAND --help` say and a new subcommand gets its
# section without an edit anywhere else:
#   cmake -DLSYS=path/to/lsys -DSOURCE=man/lsys.1.md -DOUTPUT=lsys.1.md -P HelpToMarkdown.cmake
# In SOURCE, a line @LSYS_OPTIONS@ becomes the options of `lsys` itself and a line
# @LSYS_COMMANDS@ one "## lsys COMMAND" section per subcommand that `lsys --help` lists.
#
# The help texts are CLI11's: a description, a "Usage:" line, then groups ("Options:",
# "Positionals:", "Subcommands:") of entries, each indented by two blanks, its name padded to a
# column, its text after the padding or, under a long name, on lines indented to that column.

# The help text of `lsys ARGS...`; a failure stops the build.
function(helpText out)
  execute_process(COMMAND "${LSYS}" ${ARGN} --help OUTPUT_VARIABLE text RESULT_VARIABLE result
                  ERROR_VARIABLE error)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "lsys ${ARGN} --help failed (${result}): ${error}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# CMake lists split at semicolons and pair up square brackets, so the lines carry these three
# characters as tokens (made of letters only, which markdown leaves alone) until the page is
# written.
function(toTokens out text)
  string(REPLACE ";" "LSYSSEMICOLON" text "${text}")
  string(REPLACE "[" "LSYSOPEN" text "${text}")
  string(REPLACE "]" "LSYSCLOSE" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(fromTokens out text)
  string(REPLACE "LSYSSEMICOLON" ";" text "${text}")
  string(REPLACE "LSYSOPEN" "[" text "${text}")
  string(REPLACE "LSYSCLOSE" "]" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Escapes the characters that markdown would read as markup, brackets included.
function(escapeMarkdown out text)
  string(REGEX REPLACE "([\\`*_{}<>#|~^$@])" "\\\\\\1" text "${text}")
  string(REGEX REPLACE "(LSYSOPEN|LSYSCLOSE)" "\\\\\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Splits a help text into the list of its lines, named by `out`.
function(helpLines out text)
  toTokens(text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# The names an "entry" part of the help lists under the group GROUP ("Subcommands").
function(groupNames out text group)
  helpLines(lines "${text}")
  set(names "")
  set(inside FALSE)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[^ ].*:$")
      set(inside FALSE)
      if(line STREQUAL "${group}:")
        set(inside TRUE)
      endif()
    elseif(inside AND line MATCHES "^  ([^ ]+)")
      list(APPEND names "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

# Markdown for a whole help text: its description as paragraphs, the usage as a synopsis line,
# each group as a definition list. With SKIP_SUBCOMMANDS the "Subcommands:" group is left out.
function(helpMarkdown out text)
  cmake_parse_arguments(PARSE_ARGV 2 arg "SKIP_SUBCOMMANDS" "" "")
  helpLines(lines "${text}")
  set(markdown "")
  set(skipping FALSE)
  set(entry "")       # the name of the entry being read, its text in entry_text
  set(entry_text "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^      " AND NOT entry STREQUAL "")
      # A continuation of the entry's text.
      string(STRIP "${line}" line)
      string(APPEND entry_text " ${line}")
      string(STRIP "${entry_text}" entry_text)
      continue()
    endif()
    if(NOT entry STREQUAL "")
      if(NOT skipping)
        escapeMarkdown(entry_text "${entry_text}")
        string(APPEND markdown "`${entry}`\n:   ${entry_text}\n\n")
      endif()
      set(entry "")
      set(entry_text "")
    endif()
    if(line MATCHES "^Usage: (.*)$")
      escapeMarkdown(usage "${CMAKE_MATCH_1}")
      string(APPEND markdown "\nUsage: **${usage}**\n\n")
    elseif(line MATCHES "^[^ ].*:$")
      set(skipping FALSE)
      if(arg_SKIP_SUBCOMMANDS AND line STREQUAL "Subcommands:")
        set(skipping TRUE)
      else()
        escapeMarkdown(line "${line}")
        string(APPEND markdown "${line}\n\n")
      endif()
    elseif(line MATCHES "^  ([^ ].*)$")
      # An entry: its name ends at the padding (two blanks or more).
      set(body "${CMAKE_MATCH_1}")
      string(FIND "${body}" "  " padding)
      if(padding EQUAL -1)
        set(entry "${body}")
      else()
        string(SUBSTRING "${body}" 0 ${padding} entry)
        string(SUBSTRING "${body}" ${padding} -1 entry_text)
        string(STRIP "${entry_text}" entry_text)
      endif()
    elseif(line STREQUAL "")
      string(APPEND markdown "\n")
    elseif(NOT skipping)
      escapeMarkdown(line "${line}")
      string(APPEND markdown "${line}\n")
    endif()
  endforeach()
  if(NOT entry STREQUAL "" AND NOT skipping)
    escapeMarkdown(entry_text "${entry_text}")
    string(APPEND markdown "`${entry}`\n:   ${entry_text}\n\n")
  endif()
  set(${out} "${markdown}" PARENT_SCOPE)
endfunction()

helpText(overview)
groupNames(commands "${overview}" "Subcommands")
if(commands STREQUAL "")
  message(FATAL_ERROR "lsys --help lists no subcommands")
endif()

# The options of lsys itself: the "Options:" group of the overview.
helpLines(overview_lines "${overview}")
set(options_text "")
set(inside FALSE)
foreach(line IN LISTS overview_lines)
  if(line MATCHES "^[^ ].*:$")
    set(inside FALSE)
    if(line STREQUAL "Options:")
      set(inside TRUE)
      continue()
    endif()
  endif()
  if(inside)
    string(APPEND options_text "${line}\n")
  endif()
endforeach()
helpMarkdown(options_markdown "${options_text}")

set(commands_markdown "")
foreach(command IN LISTS commands)
  helpText(help ${command})
  helpMarkdown(section "${help}" SKIP_SUBCOMMANDS)
  string(APPEND commands_markdown "## lsys ${command}\n\n${section}\n")
endforeach()

file(READ "${SOURCE}" page)
foreach(marker LSYS_OPTIONS LSYS_COMMANDS)
  if(NOT page MATCHES "@${marker}@")
    message(FATAL_ERROR "${SOURCE} has no line @${marker}@")
  endif()
endforeach()
string(REPLACE "@LSYS_OPTIONS@" "${options_markdown}" page "${page}")
string(REPLACE "@LSYS_COMMANDS@" "${commands_markdown}" page "${page}")
fromTokens(page "${page}")
file(WRITE "${OUTPUT}" "${page}")
