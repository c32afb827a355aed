# cmake -DWINESERVER=... -DWINE=... -DWINEPREFIX=... [-DSTOP=ON] -P wine_session.cmake
#
# Starts one Wine session for the whole test run: a persistent wine server
# and Wine's own services. Without it, every test starts a session of its
# own, and the services started with it hold the test's output open until
# the server ends, seconds later. Their input and output go to the null
# device, so they hold no pipe of CTest's. With STOP, ends the session.
set(ENV{WINEPREFIX} "${WINEPREFIX}")
set(ENV{WINEDEBUG} "-all")
if(STOP)
  execute_process(COMMAND ${WINESERVER} -k
                  INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
  return()
endif()
file(MAKE_DIRECTORY "${WINEPREFIX}")
# A server that runs already (one per prefix) is kept.
execute_process(COMMAND ${WINESERVER} -p
                INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
execute_process(COMMAND ${WINE} wineboot
                INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "Wine could not start in ${WINEPREFIX}: ${rc}")
endif()
# Windows are made by Wine's null display driver, so the window's tests run
# without a display. Wine reads the driver when its session starts: once
# set, the session starts again.
set(user_reg "${WINEPREFIX}/user.reg")
set(null_driver FALSE)
if(EXISTS "${user_reg}")
  file(STRINGS "${user_reg}" graphics REGEX "^\"Graphics\"=\"null\"")
  if(graphics)
    set(null_driver TRUE)
  endif()
endif()
if(NOT null_driver)
  execute_process(COMMAND ${WINE} reg add "HKCU\\Software\\Wine\\Drivers" /v Graphics /d null /f
                  INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "Wine's null display driver could not be set: ${rc}")
  endif()
  execute_process(COMMAND ${WINESERVER} -k
                  INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
  execute_process(COMMAND ${WINESERVER} -w
                  INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
  execute_process(COMMAND ${WINESERVER} -p
                  INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
  execute_process(COMMAND ${WINE} wineboot
                  INPUT_FILE /dev/null OUTPUT_FILE /dev/null ERROR_FILE /dev/null)
endif()
