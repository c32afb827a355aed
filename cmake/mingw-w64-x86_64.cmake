# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads: the
# win32-thread flavour has no std::mutex, which GoogleTest needs). Programs
# are linked statically, so the .exe files run without MinGW's DLLs, and
# CTest runs them through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELL_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELL_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELL_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VELL_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VELL_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Every program the build or CTest runs goes through Wine (Debian installs
# wine64 outside PATH), in a Wine prefix of the build's own, so that the
# user's ~/.wine is neither used nor created.
set(VELL_WINE_HINTS /usr/lib/wine /usr/lib64/wine /opt/wine-stable/bin)
find_program(VELL_WINE64 NAMES wine64 wine HINTS ${VELL_WINE_HINTS})
find_program(VELL_WINESERVER NAMES wineserver HINTS ${VELL_WINE_HINTS})
set(VELL_WINEPREFIX "${CMAKE_BINARY_DIR}/wineprefix" CACHE PATH "Wine prefix for running the tests")
if(VELL_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${VELL_WINEPREFIX} WINEDEBUG=-all ${VELL_WINE64})
endif()
