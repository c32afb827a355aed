# cmake -DTESTS=<test program> -DWINE=... -DWINEPREFIX=... -P scales.cmake
#
# Runs the window's fitting test at 120 and 144 dots per inch (125% and
# 150%), the scale Windows keeps as LogPixels; 96 (100%) is set back after.
set(ENV{WINEPREFIX} "${WINEPREFIX}")
set(ENV{WINEDEBUG} "-all")
set(failed "")
foreach(dpi 120 144 96)
  execute_process(COMMAND ${WINE} reg add "HKCU\\Control Panel\\Desktop" /v LogPixels
                          /t REG_DWORD /d ${dpi} /f
                  INPUT_FILE /dev/null OUTPUT_QUIET ERROR_QUIET RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "The scale ${dpi} could not be set: ${rc}")
  endif()
  if(dpi EQUAL 96)
    break()
  endif()
  execute_process(COMMAND ${WINE} ${TESTS} --gtest_filter=Win32WindowTest.TheWindowFits*
                  INPUT_FILE /dev/null RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    list(APPEND failed ${dpi})
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "The window does not fit at ${failed} dots per inch")
endif()
