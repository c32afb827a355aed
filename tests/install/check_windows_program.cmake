# vellmaster.exe as Windows sees it: a 64-bit GUI program of under 4 MB that
# imports system DLLs only (no MinGW runtime beside it), carrying its icon,
# its version and its manifest.
# Run as: cmake -DOBJDUMP=... -DWINDRES=... -DPROGRAM=... -DVERSION=... -P check_windows_program.cmake
cmake_minimum_required(VERSION 3.25)
set(failures "")
macro(fail text)
  string(APPEND failures "\n  ${text}")
endmacro()

file(SIZE ${PROGRAM} size)
if(size GREATER_EQUAL 4194304)
  fail("${size} bytes, not under 4 MB")
endif()

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed: ${rc}")
endif()
if(NOT dump MATCHES "file format pei-x86-64")
  fail("not a 64-bit x86 program")
endif()
if(NOT dump MATCHES "\nMagic[ \t]+020b")
  fail("not a PE32+ image")
endif()
if(NOT dump MATCHES "\nSubsystem[ \t]+00000002")
  fail("not a GUI program (subsystem 2)")
endif()

# The DLLs that come with every Windows; a MinGW runtime DLL
# (libstdc++-6, libgcc_s_seh-1, libwinpthread-1) would be missing there.
set(system_dlls kernel32 user32 gdi32 comctl32 comdlg32 shell32 ole32 oleaut32 advapi32
                msvcrt ucrtbase shlwapi uxtheme ws2_32 version)
string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${dump}")
if(NOT imports)
  fail("no imports found")
endif()
set(names "")
foreach(line ${imports})
  string(REGEX REPLACE "^DLL Name: (.+)\\.[dD][lL][lL]$" "\\1" dll "${line}")
  string(TOLOWER "${dll}" dll)
  list(APPEND names ${dll})
  if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-crt-")
    fail("imports ${dll}.dll, which is no system DLL")
  endif()
endforeach()

# The resources, read back by the resource compiler: the icons, the
# manifest as resource 1 and the version.
execute_process(COMMAND ${WINDRES} -i ${PROGRAM} -O rc OUTPUT_VARIABLE resources RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  fail("${WINDRES} could not read the resources: ${rc}")
endif()
# Each icon a group of the eight sizes the window draws at.
foreach(icon 1 101 102 103 104 105)
  if(NOT resources MATCHES "\n${icon} 14 /\\* RT_GROUP_ICON \\*/\nBEGIN\n[ \t]*0, 1, 8,")
    fail("no icon ${icon} of eight sizes")
  endif()
endforeach()
if(NOT resources MATCHES "\n1 24 /\\* RT_MANIFEST \\*/")
  fail("no manifest (RT_MANIFEST 1)")
endif()
string(REPLACE "." ", " version_numbers "${VERSION}")
if(NOT resources MATCHES "FILEVERSION ${version_numbers}\n"
   OR NOT resources MATCHES "VALUE \"ProductVersion\", \"${VERSION}\"")
  fail("not version ${VERSION}")
endif()
# The manifest's text as the program carries it.
file(STRINGS ${PROGRAM} manifest REGEX "Microsoft\\.Windows\\.Common-Controls|PerMonitorV2")
if(NOT manifest MATCHES "Common-Controls.*PerMonitorV2")
  fail("the manifest asks for no Common Controls 6 or no per-monitor DPI awareness")
endif()

if(failures)
  message(FATAL_ERROR "${PROGRAM}:${failures}")
endif()
string(REPLACE ";" " " names "${names}")
message(STATUS "${size} bytes; imports: ${names}")
