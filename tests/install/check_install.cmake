# Installs the build into a fresh prefix and checks that the program and
# its help pages land where the program looks for them: the executable in
# <prefix>/bin, the pages in <prefix>/share/vellmaster/help.
# Run as: cmake -DBUILD_DIR=... -DPREFIX=... -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
foreach(installed
    bin/vellmaster
    share/vellmaster/help/vellmaster-help-en.html
    share/vellmaster/help/vellmaster-help-de.html
    share/applications/org.vellmaster.Vellmaster.desktop)
  if(NOT EXISTS ${PREFIX}/${installed})
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()
# Each page links to the other language.
file(READ ${PREFIX}/share/vellmaster/help/vellmaster-help-en.html english)
file(READ ${PREFIX}/share/vellmaster/help/vellmaster-help-de.html german)
if(NOT english MATCHES "vellmaster-help-de.html" OR NOT german MATCHES "vellmaster-help-en.html")
  message(FATAL_ERROR "the help pages do not link to each other")
endif()
file(REMOVE_RECURSE ${PREFIX})
message(STATUS "installed: the program and its help pages")
