# The tests of the Windows build, run under Wine in the build's own prefix.
set(vell_wine_session
    -DWINESERVER=${VELL_WINESERVER} -DWINE=${VELL_WINE64} -DWINEPREFIX=${VELL_WINEPREFIX}
    -P ${CMAKE_CURRENT_SOURCE_DIR}/wine_session.cmake)
add_test(NAME wine.session.start COMMAND ${CMAKE_COMMAND} ${vell_wine_session})
add_test(NAME wine.session.stop COMMAND ${CMAKE_COMMAND} -DSTOP=ON ${vell_wine_session})
set_tests_properties(wine.session.start PROPERTIES FIXTURES_SETUP wine.session)
set_tests_properties(wine.session.stop PROPERTIES FIXTURES_CLEANUP wine.session)
get_property(vell_tests DIRECTORY PROPERTY TESTS)
list(REMOVE_ITEM vell_tests wine.session.start wine.session.stop)
set_property(TEST ${vell_tests} APPEND PROPERTY FIXTURES_REQUIRED wine.session)

# The registry and the folders that the Windows scenarios find, written
# into the prefix by Windows' own reg and cmd (Wine's Z: drive is "/").
string(REPLACE "/" "\\" vell_registry_views "Z:${CMAKE_CURRENT_SOURCE_DIR}/scenarios/windows/registry_views.cmd")
add_test(NAME wine.registry_views COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} cmd /c ${vell_registry_views})
set_tests_properties(wine.registry_views PROPERTIES
  FIXTURES_SETUP wine.registry FIXTURES_REQUIRED wine.session)

file(GLOB VELL_WINDOWS_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/scenarios/windows/*.scn)
foreach(scn ${VELL_WINDOWS_SCENARIOS})
  get_filename_component(scn_name ${scn} NAME_WE)
  add_test(NAME scenario.windows.${scn_name} COMMAND vellmaster-scenario ${scn})
  set_tests_properties(scenario.windows.${scn_name} PROPERTIES
    FIXTURES_REQUIRED "wine.session;wine.registry")
endforeach()
