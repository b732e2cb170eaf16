# Cross-compiling for Windows with Debian's MinGW-w64 (posix threads flavour).
# The product is 32-bit (i686). QUANTLENS_MINGW_ARCH=x86_64 builds the same sources as
# 64-bit programs, which Wine can run on hosts whose kernel cannot run 32-bit code.
# Libraries built by scripts/setup (libjpeg, GoogleTest) live in QUANTLENS_DEPS_PREFIX;
# executables built here run through Wine (scripts/wine-run), so CTest works as usual.

set(QUANTLENS_MINGW_ARCH i686 CACHE STRING "Windows processor: i686 or x86_64")
set_property(CACHE QUANTLENS_MINGW_ARCH PROPERTY STRINGS i686 x86_64)

get_filename_component(_quantlens_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)
set(QUANTLENS_DEPS_PREFIX "${_quantlens_root}/build/deps/mingw-${QUANTLENS_MINGW_ARCH}"
    CACHE PATH "Prefix holding the cross-built libjpeg and GoogleTest")
# try_compile projects read this file again; hand them the same choices.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUANTLENS_MINGW_ARCH QUANTLENS_DEPS_PREFIX)

set(_quantlens_triplet ${QUANTLENS_MINGW_ARCH}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUANTLENS_MINGW_ARCH})
set(CMAKE_C_COMPILER ${_quantlens_triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_quantlens_triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${_quantlens_triplet}-windres)

# Headers, libraries and package configs come only from the target side;
# programs (windres, wine) from the host.
set(CMAKE_FIND_ROOT_PATH "${QUANTLENS_DEPS_PREFIX}" /usr/${_quantlens_triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR "${_quantlens_root}/scripts/wine-run")
