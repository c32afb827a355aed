# The Windows program and its two packages (cmake/packaging.cmake), checked
# as a Windows user gets them: the .exe itself, the portable ZIP, and the
# installer run silently under Wine, installing and uninstalling.
#
# package.make makes both packages, as `--target package` does, from what
# the build made; the package checks need it first.
set(vell_package ${CMAKE_BINARY_DIR}/${VELL_PACKAGE_FILE_NAME})

add_test(NAME package.make
  COMMAND ${CMAKE_CPACK_COMMAND} --config ${CMAKE_BINARY_DIR}/CPackConfig.cmake
  WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(package.make PROPERTIES FIXTURES_SETUP vell.package TIMEOUT 300)

add_test(NAME package.program
  COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DWINDRES=${CMAKE_RC_COMPILER}
          -DPROGRAM=$<TARGET_FILE:vellmaster> -DVERSION=${PROJECT_VERSION}
          -P ${CMAKE_CURRENT_LIST_DIR}/check_windows_program.cmake)

add_test(NAME package.zip
  COMMAND ${CMAKE_COMMAND} -DZIP=${vell_package}.zip -DTOP=${VELL_PACKAGE_FILE_NAME}
          -P ${CMAKE_CURRENT_LIST_DIR}/check_zip.cmake)
set_tests_properties(package.zip PROPERTIES FIXTURES_REQUIRED vell.package)

# The installer runs in the tests' Wine prefix, in the Wine session that
# every test of this folder shares (tests/wine_tests.cmake).
add_test(NAME package.installer
  COMMAND ${CMAKE_COMMAND} -DSETUP=${vell_package}.exe -DWINE=${VELL_WINE64}
          -DWINEPREFIX=${VELL_WINEPREFIX}
          -P ${CMAKE_CURRENT_LIST_DIR}/check_installer.cmake)
set_tests_properties(package.installer PROPERTIES FIXTURES_REQUIRED vell.package TIMEOUT 180)
