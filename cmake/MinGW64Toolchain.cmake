# Cross-builds Squinx for 64-bit Windows with MinGW-w64's POSIX-threads
# compiler (std::thread needs it). The static toolkit lives in the prefix given
# by SQUINX_WINDOWS_PREFIX (the environment's, or a cache entry), where
# scripts/windows/build-toolkit.sh puts it.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(SQUINX_WINDOWS_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${SQUINX_WINDOWS_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SQUINX_WINDOWS_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SQUINX_WINDOWS_TRIPLE}-windres)

if(NOT SQUINX_WINDOWS_PREFIX AND DEFINED ENV{SQUINX_WINDOWS_PREFIX})
    set(SQUINX_WINDOWS_PREFIX "$ENV{SQUINX_WINDOWS_PREFIX}")
endif()
# try_compile projects read this file again, without the cache.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SQUINX_WINDOWS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${SQUINX_WINDOWS_TRIPLE} ${SQUINX_WINDOWS_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

if(SQUINX_WINDOWS_PREFIX)
    set(wxWidgets_CONFIG_EXECUTABLE "${SQUINX_WINDOWS_PREFIX}/bin/wx-config" CACHE FILEPATH "")
    # pkg-config finds the prefix's Windows libraries, never the host's.
    set(ENV{PKG_CONFIG_LIBDIR} "${SQUINX_WINDOWS_PREFIX}/lib/pkgconfig")
    set(ENV{PKG_CONFIG_PATH} "")
endif()

# Test programs (and gtest's discovery) run under Wine.
find_program(SQUINX_WINE NAMES wine64 wine)
if(SQUINX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${SQUINX_WINE})
endif()
