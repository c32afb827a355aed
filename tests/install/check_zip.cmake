# The portable ZIP holds, in one folder, the program, its help pages, the
# demo data and the read-me: all a person needs, unpacked anywhere.
# Run as: cmake -DZIP=... -DTOP=<the folder in the ZIP> -P check_zip.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS ${ZIP})
  message(FATAL_ERROR "no package ${ZIP}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E tar tf ${ZIP}
                OUTPUT_VARIABLE listing RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cannot list ${ZIP}: ${rc}")
endif()
string(REPLACE "\n" ";" entries "${listing}")
set(missing "")
foreach(entry vellmaster.exe README.txt
        help/vellmaster-help-en.html help/vellmaster-help-de.html
        demo/FS9/fs9.exe "demo/FS9/Aircraft/Meadow Trainer/aircraft.cfg"
        "demo/Documents/Flight Simulator Files/Frankfurt to Heathrow.FLT"
        "demo/Documents/Flight Simulator Files/IFR Frankfurt Main to London Heathrow.PLN")
  if(NOT "${TOP}/${entry}" IN_LIST entries)
    string(APPEND missing "\n  ${TOP}/${entry}")
  endif()
endforeach()
# Nothing else of the build: no test program, no library.
set(strays "")
foreach(entry ${entries})
  if(NOT entry MATCHES "^${TOP}/(vellmaster\\.exe|README\\.txt|help/.*|demo/.*)?$")
    string(APPEND strays "\n  ${entry}")
  endif()
endforeach()
if(missing OR strays)
  message(FATAL_ERROR "${ZIP}\nlacks:${missing}\nholds besides:${strays}")
endif()

# The read-me in Windows line ends: older Notepads show LF alone as no break.
get_filename_component(zip ${ZIP} ABSOLUTE)
set(unpacked ${CMAKE_CURRENT_BINARY_DIR}/zip-readme)
file(REMOVE_RECURSE ${unpacked})
file(MAKE_DIRECTORY ${unpacked})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} ${TOP}/README.txt
                WORKING_DIRECTORY ${unpacked} RESULT_VARIABLE rc)
set(readme "")
if(rc EQUAL 0)
  file(READ ${unpacked}/${TOP}/README.txt readme HEX)
endif()
file(REMOVE_RECURSE ${unpacked})
string(REPLACE "0d0a" "" bare "${readme}")
if(readme STREQUAL bare OR bare MATCHES "^(..)*0a")
  message(FATAL_ERROR "${TOP}/README.txt is not in CR LF lines")
endif()
