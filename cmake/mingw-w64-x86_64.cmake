# Cross build for 64-bit Windows with Debian's mingw-w64 compilers (posix thread model,
# package g++-mingw-w64-x86-64-posix). The C and C++ runtimes and winpthread are linked
# statically, so a built program runs on a bare Windows, or under Wine, without DLLs beside it.
#
# AERVIK_WINDOWS_PREFIX, when set, names the folder that holds the libraries built for
# Windows (zlib, libxlsxwriter, GoogleTest, or Qt); it is searched before the compiler's own.
#
# AERVIK_WINDOWS_SHARED_RUNTIME=ON links the runtimes as DLLs instead (libstdc++-6.dll,
# libgcc_s_seh-1.dll, libwinpthread-1.dll, which must then sit beside the program). Qt for
# Windows is built so (scripts/windows-qt.sh), and a program using its DLLs must be too: one
# C++ runtime shared by the program and Qt, rather than a copy in each.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_mingw}-windres)
set(CMAKE_AR ${_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_mingw}-gcc-ranlib-posix CACHE FILEPATH "")

if(NOT AERVIK_WINDOWS_SHARED_RUNTIME)
  set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
  set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
endif()

# Tests and other programs built here run under Wine (see scripts/wine-run.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)

list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES AERVIK_WINDOWS_PREFIX AERVIK_WINDOWS_SHARED_RUNTIME)
set(CMAKE_FIND_ROOT_PATH /usr/${_mingw})
if(AERVIK_WINDOWS_PREFIX)
  list(PREPEND CMAKE_FIND_ROOT_PATH ${AERVIK_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
