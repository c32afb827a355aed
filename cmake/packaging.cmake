# The Windows packages of vellmaster.exe, both made by `--target package`:
#
#   Vellmaster-<version>-win64.zip    the portable program: unpacked into a
#                                     folder of the user's, it keeps its
#                                     settings beside the .exe
#   Vellmaster-<version>-win64.exe    the installer (NSIS, 64-bit): installs
#                                     under Program Files with a Start-menu
#                                     entry and an uninstaller; installed,
#                                     the settings go to %APPDATA%\Vellmaster
#
# Both hold the same files: the program at the top, the help pages in help/
# (where the program looks for them beside itself), the demo data in demo/
# and the read-me. The installer is made with makensis (Debian: nsis).

include(${PROJECT_SOURCE_DIR}/cmake/help_pages.cmake)

# The program at the top of the package folder.
install(TARGETS vellmaster RUNTIME DESTINATION .)
install(FILES ${VELL_HELP_PAGES} DESTINATION help)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/demo/FS9 ${PROJECT_SOURCE_DIR}/demo/Documents
        DESTINATION demo)

# The read-me with Windows line ends, so that every Notepad shows its lines.
configure_file(${PROJECT_SOURCE_DIR}/win32/resources/README-Windows.txt
               ${CMAKE_BINARY_DIR}/package/README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_BINARY_DIR}/package/README.txt DESTINATION .)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME Vellmaster)
set(CPACK_PACKAGE_VENDOR Vellmaster)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Open, brief and copy saved flights of FS 2002 and FS 2004")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
# The packages' name without .zip or .exe (the tests find them by it).
set(VELL_PACKAGE_FILE_NAME Vellmaster-${PROJECT_VERSION}-win64)
set(CPACK_PACKAGE_FILE_NAME ${VELL_PACKAGE_FILE_NAME})
set(CPACK_PACKAGE_INSTALL_DIRECTORY Vellmaster)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Vellmaster)
# The Start-menu entry: vellmaster.exe, named "Vellmaster".
set(CPACK_PACKAGE_EXECUTABLES vellmaster Vellmaster)

# The installer: a 64-bit Unicode installer (makensis' default stub is
# 32-bit), installing into the 64-bit Program Files, without a licence page
# (there is nothing to agree to) and without the page that adds to PATH.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_PACKAGE_NAME Vellmaster)
set(CPACK_NSIS_DISPLAY_NAME Vellmaster)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_MODIFY_PATH OFF)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/win32/resources/vellmaster.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/win32/resources/vellmaster.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME vellmaster.exe)
# No "run Vellmaster" on the last page: the installer runs as administrator,
# and so would the program, keeping its settings under Program Files.

include(CPack)
