# The installer, run silently under Wine as an administrator would run it:
# the program, its help and the demo data land in Program Files\Vellmaster,
# the Start menu gets its entry, Windows' list of programs the uninstaller;
# the silent uninstall then takes all of it away again.
# Run as: cmake -DSETUP=... -DWINE=... -DWINEPREFIX=... -P check_installer.cmake
cmake_minimum_required(VERSION 3.25)
if(NOT EXISTS ${SETUP})
  message(FATAL_ERROR "no installer ${SETUP}")
endif()

set(ENV{WINEPREFIX} "${WINEPREFIX}")
set(ENV{WINEDEBUG} "-all")
# Wine would turn each Start-menu entry into a desktop file in the host's
# menus; the entries are only looked at here.
set(ENV{WINEDLLOVERRIDES} "winemenubuilder.exe=d")

set(folder "${WINEPREFIX}/drive_c/Program Files/Vellmaster")
set(uninstall_key "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vellmaster")
set(installed vellmaster.exe README.txt help/vellmaster-help-en.html
              help/vellmaster-help-de.html demo/FS9/fs9.exe)

# Runs a Windows program of the prefix; its output goes to the log.
function(run_windows result)
  execute_process(COMMAND ${WINE} ${ARGN} RESULT_VARIABLE rc
                  INPUT_FILE /dev/null OUTPUT_VARIABLE out ERROR_VARIABLE out TIMEOUT 120)
  set(${result} "${rc}" PARENT_SCOPE)
  if(out)
    message(STATUS "${ARGV1}: ${out}")
  endif()
endfunction()

# The Start-menu entry: for all users when the installer runs as
# administrator, else the user's own.
function(find_start_menu_entry result)
  file(GLOB_RECURSE links LIST_DIRECTORIES false
       "${WINEPREFIX}/drive_c/ProgramData/*.lnk" "${WINEPREFIX}/drive_c/users/*.lnk")
  list(FILTER links INCLUDE REGEX "/Start Menu/Programs/Vellmaster/Vellmaster\\.lnk$")
  set(${result} "${links}" PARENT_SCOPE)
endfunction()

# Uninstalls in place and waits: with "_?=FOLDER" the uninstaller runs
# where it lies instead of from a copy in TEMP, and so it leaves itself.
# NSIS takes the rest of the command line as the folder; it is passed in
# words so that Wine puts no quotes around it.
function(uninstall)
  run_windows(rc "C:\\Program Files\\Vellmaster\\Uninstall.exe" /S "_?=C:\\Program" "Files\\Vellmaster")
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the silent uninstall failed: ${rc}")
  endif()
endfunction()

# What a run cut short left behind goes first, by its own uninstaller.
if(EXISTS "${folder}/Uninstall.exe")
  uninstall()
endif()
run_windows(rc reg delete ${uninstall_key} /f)
file(REMOVE_RECURSE "${folder}")

# The install.
run_windows(rc ${SETUP} /S)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the silent install failed: ${rc}")
endif()
set(missing "")
foreach(file ${installed} Uninstall.exe)
  if(NOT EXISTS "${folder}/${file}")
    string(APPEND missing "\n  Program Files/Vellmaster/${file}")
  endif()
endforeach()
find_start_menu_entry(links)
if(NOT links)
  string(APPEND missing "\n  the Start-menu entry Vellmaster\\Vellmaster.lnk")
endif()
run_windows(rc reg query ${uninstall_key} /v UninstallString)
if(NOT rc EQUAL 0)
  string(APPEND missing "\n  the entry in the list of installed programs (${uninstall_key})")
endif()
if(missing)
  message(FATAL_ERROR "the installer did not install:${missing}")
endif()

# The uninstall: nothing stays but the uninstaller itself, which cannot
# delete its own file while it runs in place; the test removes it.
uninstall()
set(left "")
file(GLOB_RECURSE files LIST_DIRECTORIES true RELATIVE "${folder}" "${folder}/*")
list(REMOVE_ITEM files Uninstall.exe)
foreach(file ${files})
  string(APPEND left "\n  Program Files/Vellmaster/${file}")
endforeach()
file(REMOVE_RECURSE "${folder}")
find_start_menu_entry(links)
foreach(link ${links})
  string(APPEND left "\n  ${link}")
endforeach()
run_windows(rc reg query ${uninstall_key})
if(rc EQUAL 0)
  string(APPEND left "\n  the entry in the list of installed programs")
endif()
if(left)
  message(FATAL_ERROR "the uninstaller left:${left}")
endif()
