# Installs the build into a fresh prefix and checks that the program, its help pages and
# the desktop file land where they are looked for.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(installed bin/vellmaster share/vellmaster/help/vellmaster-help-en.html
        share/vellmaster/help/vellmaster-help-de.html
        share/applications/org.vellmaster.Vellmaster.desktop)
  if(NOT EXISTS ${PREFIX}/${installed})
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
