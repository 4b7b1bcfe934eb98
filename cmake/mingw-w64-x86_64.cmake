# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# Qt needs). The compiler and where it finds headers and libraries, nothing more: Qt for
# Windows is built with it (packaging/windows/qt.sh), and so is the program, whose Windows
# settings are those of the `windows` preset (CMakePresets.json).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

# Headers and libraries from the MinGW tree and from any root the build names (the Qt for
# Windows), programs from the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
