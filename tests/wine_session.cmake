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
