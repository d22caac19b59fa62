# Checks a built program as a Windows user would get it: a GUI program for the
# given processor that imports nothing but Windows' own DLLs, so it runs
# without any runtime beside it.
#   cmake -DOBJDUMP=... -DPROGRAM=... -DPROCESSOR=x86|x64 -P check-executable.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT EXISTS "${PROGRAM}")
  message(FATAL_ERROR "${PROGRAM} does not exist; build it first")
endif()
execute_process(COMMAND "${OBJDUMP}" -p "${PROGRAM}" OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()

if(PROCESSOR STREQUAL "x86")
  set(format pei-i386)
elseif(PROCESSOR STREQUAL "x64")
  set(format pei-x86-64)
else()
  message(FATAL_ERROR "unknown processor '${PROCESSOR}': x86 or x64")
endif()
if(NOT dump MATCHES "file format ${format}\n")
  message(FATAL_ERROR "${PROGRAM} is not a ${PROCESSOR} program (${format})")
endif()
if(NOT dump MATCHES "\nSubsystem[ \t]+00000002[ \t]+\\(Windows GUI\\)")
  message(FATAL_ERROR "${PROGRAM} is not a GUI program")
endif()

set(windows_dlls advapi32.dll comctl32.dll gdi32.dll kernel32.dll msvcrt.dll ntdll.dll psapi.dll
                 shell32.dll user32.dll version.dll)
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${dump}")
if(NOT imports)
  message(FATAL_ERROR "${PROGRAM} imports nothing: not a program objdump understands")
endif()
foreach(import IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${import}")
  string(TOLOWER "${dll}" dll)
  if(NOT dll IN_LIST windows_dlls)
    message(FATAL_ERROR "${PROGRAM} imports ${dll}, which Windows does not provide")
  endif()
  list(APPEND found ${dll})
endforeach()
message(STATUS "${PROGRAM}: ${format}, Windows GUI, imports ${found}")
