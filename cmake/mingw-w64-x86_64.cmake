# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# Qt needs). Used for Qt itself and for the program; for the program, BRENVIK_WINDOWS_QT
# names the Qt for Windows to build against (scripts/windows-qt.sh makes it), whose tools
# (moc, rcc, uic) are those of the installed Qt of the same version (in the Debian 13 of
# scripts/windows-env.sh). The tests run through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw}-windres)

# Headers and libraries from the MinGW tree (and the Qt for Windows), programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# try_compile() reads this file again in a project of its own: pass the Qt on.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES BRENVIK_WINDOWS_QT)
if(BRENVIK_WINDOWS_QT)
  list(APPEND CMAKE_FIND_ROOT_PATH ${BRENVIK_WINDOWS_QT})
  list(APPEND CMAKE_PREFIX_PATH ${BRENVIK_WINDOWS_QT})
  set(QT_HOST_PATH /usr)
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
  # The targets of Qt's plugins (the folder ships the Windows platform and styles), which
  # Debian's Qt 6.8 defines only when asked to.
  set(QT_SKIP_AUTO_PLUGIN_INCLUSION OFF)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/under-wine.sh
                                     ${BRENVIK_WINDOWS_QT})
endif()
