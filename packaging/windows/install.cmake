# Brenvik for Windows as a folder that runs wherever it is copied: the program, the Qt
# DLLs it loads, Qt's Windows platform plugin and styles, and the MinGW runtime, every
# DLL stripped; packed as a ZIP and as an installer (CPack's NSIS) that puts it in
# Program Files with a Start-menu entry and takes it away again. Nothing else is shipped:
# the windows_package test checks what the program and each DLL import.
install(TARGETS brenvik RUNTIME DESTINATION .)

# Qt's own, found through its imported targets.
set(brenvik_dlls $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>)
# The compiler's runtime, beside its libraries, and the threads library of MinGW-w64.
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                  OUTPUT_VARIABLE dll OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  if(NOT IS_ABSOLUTE "${dll}" AND EXISTS "${CMAKE_FIND_ROOT_PATH}/lib/${name}")
    set(dll "${CMAKE_FIND_ROOT_PATH}/lib/${name}") # libwinpthread: in MinGW's own tree
  endif()
  if(NOT EXISTS "${dll}")
    message(FATAL_ERROR "the MinGW runtime ${name} is missing (g++-mingw-w64-x86-64-posix)")
  endif()
  list(APPEND brenvik_dlls ${dll})
endforeach()
install(FILES ${brenvik_dlls} DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
# Stripped where they are installed: the program's own targets by CPack, the DLLs here.
install(CODE "
  file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  foreach(dll \${dlls})
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${dll} COMMAND_ERROR_IS_FATAL ANY)
  endforeach()")

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME brenvik)
set(CPACK_PACKAGE_VERSION ${BRENVIK_DISPLAY_VERSION})
set(CPACK_PACKAGE_VENDOR "Tarnholm Inc.")
set(CPACK_PACKAGE_FILE_NAME brenvik-${BRENVIK_DISPLAY_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Brenvik)
set(CPACK_PACKAGE_EXECUTABLES brenvik Brenvik) # the Start-menu entry
set(CPACK_STRIP_FILES ON)
set(CPACK_NSIS_PACKAGE_NAME Brenvik)
set(CPACK_NSIS_DISPLAY_NAME Brenvik)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/brenvik.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/packaging/icons/brenvik.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME brenvik.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "https://www.tarnholm.example")
set(CPACK_NSIS_CONTACT "brenvik@tarnholm.example")
# A 64-bit installer: the program is 64-bit, and its Program Files is the 64-bit one.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
