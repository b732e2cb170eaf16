# The libraries that read a file's statements about its maker: libexif (EXIF)
# and expat (XMP). Natively Debian's; for Windows the static builds that
# scripts/setup makes from Debian's own source into QUANTLENS_DEPS_PREFIX.
find_package(EXPAT REQUIRED)
find_path(QUANTLENS_LIBEXIF_INCLUDE_DIR libexif/exif-data.h REQUIRED)
find_library(QUANTLENS_LIBEXIF_LIBRARY NAMES exif REQUIRED)
add_library(LibExif::LibExif UNKNOWN IMPORTED)
set_target_properties(LibExif::LibExif PROPERTIES
  IMPORTED_LOCATION "${QUANTLENS_LIBEXIF_LIBRARY}"
  INTERFACE_INCLUDE_DIRECTORIES "${QUANTLENS_LIBEXIF_INCLUDE_DIR}")
if(WIN32)
  # The static expat's declarations must not ask for dllimport; libexif's
  # headers carry no import attributes, so its static library needs no define.
  set_property(TARGET EXPAT::EXPAT APPEND PROPERTY INTERFACE_COMPILE_DEFINITIONS XML_STATIC)
endif()
