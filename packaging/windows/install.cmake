# Brenvik for Windows as a folder that runs wherever it is copied: the program, the Qt
# DLLs it loads, Qt's Windows platform plugin and styles, and the MinGW runtime, every
# DLL stripped, License.txt, Brenvik's terms and the licences of what it ships, and
# sbom.cdx.json, the bill of materials of it all, every file with its SHA-256; packed
# as a ZIP and as an installer (CPack's NSIS) that shows that file, puts the folder in
# Program Files with a Start-menu entry, replaces an installed copy whole, and takes it
# all away again. Nothing else is shipped: the windows_package test checks what the
# program and each DLL import.
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
  list(APPEND brenvik_runtime_dlls ${dll})
endforeach()
list(APPEND brenvik_dlls ${brenvik_runtime_dlls})
install(FILES ${brenvik_dlls} DESTINATION .)

# Brenvik's terms, then the notices of Qt (which packaging/windows/qt.sh keeps from Qt's
# source beside the Qt it builds), of the code by others inside it, of the MinGW runtime
# and of the faces the program carries (from the copyright files of the Debian packages
# that hold them). Written when CMake configures, as CPack wants it there then; again when
# what it reads changes.
set(brenvik_license ${CMAKE_CURRENT_BINARY_DIR}/License.txt)
execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/notices.py
                        ${CMAKE_CURRENT_BINARY_DIR}/terms.txt ${BRENVIK_WINDOWS_QT}/notices
                        ${brenvik_license} ${brenvik_runtime_dlls} ${BRENVIK_FACES}
                COMMAND_ERROR_IS_FATAL ANY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/notices.py
             ${BRENVIK_WINDOWS_QT}/notices/debian-version)
install(FILES ${brenvik_license} DESTINATION .)
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
install(FILES $<TARGET_FILE:Qt6::QModernWindowsStylePlugin> DESTINATION styles) # Windows 10's and 11's
# Stripped where they are installed: the program's own targets by CPack, the DLLs here.
# Then the program signed, where a certificate is named (packaging/windows/sign.sh), and
# the bill of materials written beside License.txt, of the components it names, read from
# the same sources.
install(CODE "
  file(GLOB_RECURSE dlls \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/*.dll\")
  foreach(dll \${dlls})
    execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded \${dll} COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  execute_process(COMMAND ${CMAKE_CURRENT_LIST_DIR}/sign.sh
                          \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/brenvik.exe\" ${PROJECT_HOMEPAGE_URL}
                  COMMAND_ERROR_IS_FATAL ANY)")
brenvik_install_bom(sbom.cdx.json --qt=${BRENVIK_WINDOWS_QT}/notices ${brenvik_runtime_dlls} ${BRENVIK_FACES})

# What is written here reaches the installer's script as it stands ($INSTDIR, quotes).
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME brenvik-${BRENVIK_DISPLAY_VERSION}-win64)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Brenvik)
set(CPACK_PACKAGE_EXECUTABLES brenvik Brenvik) # the Start-menu entry,
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)        # to the program at the folder's top
set(CPACK_RESOURCE_FILE_LICENSE ${brenvik_license})
set(CPACK_NSIS_PACKAGE_NAME Brenvik)
set(CPACK_NSIS_DISPLAY_NAME Brenvik)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/packaging/icons/brenvik.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/packaging/icons/brenvik.ico)
set(CPACK_NSIS_MUI_WELCOMEFINISHPAGE_BITMAP ${PROJECT_SOURCE_DIR}/packaging/icons/installer-side.bmp)
set(CPACK_NSIS_MUI_UNWELCOMEFINISHPAGE_BITMAP ${PROJECT_SOURCE_DIR}/packaging/icons/installer-side.bmp)
set(CPACK_NSIS_MUI_HEADERIMAGE ${PROJECT_SOURCE_DIR}/packaging/icons/installer-corner.bmp)
set(CPACK_NSIS_INSTALLED_ICON_NAME brenvik.exe)
set(CPACK_NSIS_URL_INFO_ABOUT ${PROJECT_HOMEPAGE_URL})
set(CPACK_NSIS_CONTACT ${BRENVIK_MAIL})
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# An installed copy, older or not, is uninstalled first (silently under /S), so that
# nothing it had and this one lacks stays behind.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# A 64-bit installer: the program is 64-bit, and its Program Files is the 64-bit one. The
# wizard's branding line names the program (CPack's own setting of it trims the line,
# which Linux's makensis cannot), the installer file has a version record, and it and the
# uninstaller in it are signed as the program is.
set(brenvik_sign "'${CMAKE_CURRENT_LIST_DIR}/sign.sh \"%1\" ${PROJECT_HOMEPAGE_URL}'")
string(JOIN "\n" CPACK_NSIS_DEFINES
  "Target amd64-unicode"
  "SetDateSave off" # no file in it carries a time: the same source gives the same bytes
  "!finalize ${brenvik_sign}"
  "!uninstfinalize ${brenvik_sign}"
  "BrandingText \"Brenvik ${BRENVIK_DISPLAY_VERSION}\""
  "!include FileFunc.nsh"
  "VIProductVersion ${PROJECT_VERSION}"
  "VIFileVersion ${PROJECT_VERSION}"
  "VIAddVersionKey ProductName ${PROJECT_NAME}"
  "VIAddVersionKey ProductVersion ${BRENVIK_VERSION_TEXT}"
  "VIAddVersionKey CompanyName \"${CPACK_PACKAGE_VENDOR}\""
  "VIAddVersionKey FileDescription \"Brenvik ${BRENVIK_DISPLAY_VERSION} installer\""
  "VIAddVersionKey FileVersion ${BRENVIK_VERSION_TEXT}"
  "VIAddVersionKey LegalCopyright \"Copyright © ${BRENVIK_COPYRIGHT_YEARS} ${CPACK_PACKAGE_VENDOR}\"")
# Settings › Apps: where it is, how large, and how IT removes it silently; no Modify or
# Repair button, as numbers (CPack writes them as text, which Windows does not read). The
# uninstaller also takes the maker's key away once nothing else of the maker's is in it.
set(brenvik_maker_key "Software\\${CPACK_PACKAGE_VENDOR}")
set(brenvik_apps_key
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\${CPACK_PACKAGE_INSTALL_DIRECTORY}")
string(JOIN "\n" CPACK_NSIS_EXTRA_INSTALL_COMMANDS
  "WriteRegDWORD SHCTX \"${brenvik_apps_key}\" NoModify 1"
  "WriteRegDWORD SHCTX \"${brenvik_apps_key}\" NoRepair 1"
  "WriteRegStr SHCTX \"${brenvik_apps_key}\" InstallLocation \"$INSTDIR\""
  "WriteRegStr SHCTX \"${brenvik_apps_key}\" QuietUninstallString '\"$INSTDIR\\Uninstall.exe\" /S'"
  "\${GetSize} \"$INSTDIR\" \"/S=0K\" $0 $1 $2"
  "WriteRegDWORD SHCTX \"${brenvik_apps_key}\" EstimatedSize $0")
string(JOIN "\n" CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
  "DeleteRegKey SHCTX \"${brenvik_maker_key}\\${CPACK_PACKAGE_INSTALL_DIRECTORY}\""
  "DeleteRegKey /ifempty SHCTX \"${brenvik_maker_key}\"")
