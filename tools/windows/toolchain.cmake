# CMake toolchain file: Debian 12 host -> Windows x86_64 (MinGW-w64, posix thread model), used by
# tools/windows/package and copied into the SDK by tools/windows/build-sdk.
#
# Inside the SDK (<sdk>/toolchain.cmake) it finds the SDK by itself. Elsewhere, name the SDK:
#   -DWINSDK_PREFIX=<sdk> (or the environment variable WINSDK_PREFIX, or -DCMAKE_PREFIX_PATH=<sdk>).
# Qt's host tools (moc, rcc, uic) are Debian's Qt 6.4.2 (packages qt6-base-dev, qt6-base-dev-tools).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER   ${TOOLCHAIN_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOOLCHAIN_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${TOOLCHAIN_PREFIX}-windres)
set(CMAKE_AR           /usr/bin/${TOOLCHAIN_PREFIX}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB       /usr/bin/${TOOLCHAIN_PREFIX}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT DEFINED WINSDK_PREFIX AND DEFINED ENV{WINSDK_PREFIX})
  set(WINSDK_PREFIX "$ENV{WINSDK_PREFIX}")
endif()
if(NOT DEFINED WINSDK_PREFIX AND EXISTS "${CMAKE_CURRENT_LIST_DIR}/lib/cmake/Qt6/Qt6Config.cmake")
  set(WINSDK_PREFIX "${CMAKE_CURRENT_LIST_DIR}")  # this file is the SDK's own copy
endif()
if(DEFINED WINSDK_PREFIX)
  list(APPEND CMAKE_PREFIX_PATH "${WINSDK_PREFIX}")
endif()

set(CMAKE_FIND_ROOT_PATH /usr/${TOOLCHAIN_PREFIX} ${WINSDK_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Let find_package() look in CMAKE_PREFIX_PATH entries too (they are outside the find root).
list(APPEND CMAKE_FIND_ROOT_PATH ${CMAKE_PREFIX_PATH})

# Qt 6 cross builds need the host's Qt of the same version for moc/rcc/uic.
if(NOT DEFINED QT_HOST_PATH)
  set(QT_HOST_PATH /usr CACHE PATH "Host Qt 6.4.2 (Debian)")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "Host Qt's CMake packages")
endif()

# pkg-config must not hand out the host's .pc files (it did for fontconfig).
if(DEFINED WINSDK_PREFIX)
  set(ENV{PKG_CONFIG_LIBDIR} "${WINSDK_PREFIX}/lib/pkgconfig")
else()
  set(ENV{PKG_CONFIG_LIBDIR} "/usr/${TOOLCHAIN_PREFIX}/lib/pkgconfig")
endif()

# Run Windows programs (try_run, ctest) under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
