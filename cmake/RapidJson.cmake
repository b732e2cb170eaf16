# RapidJSON is header-only, so Debian's copy serves the Windows builds as well.
# They see it through a folder that holds nothing else: all of /usr/include on
# their path would shadow MinGW's own C library headers.
find_path(QUANTLENS_RAPIDJSON_DIR rapidjson/writer.h
  PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(_quantlens_rapidjson_include "${CMAKE_BINARY_DIR}/rapidjson-include")
file(MAKE_DIRECTORY "${_quantlens_rapidjson_include}")
file(CREATE_LINK "${QUANTLENS_RAPIDJSON_DIR}/rapidjson"
     "${_quantlens_rapidjson_include}/rapidjson" SYMBOLIC)
add_library(quantlens_rapidjson INTERFACE)
target_include_directories(quantlens_rapidjson SYSTEM INTERFACE "${_quantlens_rapidjson_include}")
# Strings are scanned for characters to escape 16 bytes at a time where every
# processor of the target has SSE2; every user of the headers must agree.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
  target_compile_definitions(quantlens_rapidjson INTERFACE RAPIDJSON_SSE2)
endif()
