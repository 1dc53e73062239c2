# Finds the Function Parser library (Debian package libfparser-dev), which ships a header and a
# shared library but no CMake or pkg-config file, and wraps them in the target FParser::FParser.
find_path(FParser_INCLUDE_DIR NAMES fparser.hh)
find_library(FParser_LIBRARY NAMES fparser)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(FParser
  REQUIRED_VARS FParser_LIBRARY FParser_INCLUDE_DIR
  REASON_FAILURE_MESSAGE "install the Debian package libfparser-dev (header fparser.hh, library fparser)")

if(FParser_FOUND AND NOT TARGET FParser::FParser)
  add_library(FParser::FParser UNKNOWN IMPORTED)
  set_target_properties(FParser::FParser PROPERTIES
    IMPORTED_LOCATION "${FParser_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${FParser_INCLUDE_DIR}")
endif()
mark_as_advanced(FParser_INCLUDE_DIR FParser_LIBRARY)
