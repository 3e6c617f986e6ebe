# cmake -DOBJDUMP=... -DFILE=... -P CheckImports.cmake
# Fails when the PE file imports anything but system DLLs: a library loaded into
# Explorer must not drag the compiler's runtime DLLs along.
cmake_minimum_required(VERSION 3.25)
execute_process(COMMAND ${OBJDUMP} -p ${FILE} OUTPUT_VARIABLE dump RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${FILE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
if(NOT lines)
  message(FATAL_ERROR "${FILE} has no import table")
endif()
set(system_dlls
  kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll shlwapi.dll ole32.dll oleaut32.dll
  comctl32.dll comdlg32.dll version.dll msvcrt.dll uxtheme.dll)
set(bad "")
foreach(line IN LISTS lines)
  string(REPLACE "DLL Name: " "" dll "${line}")
  string(STRIP "${dll}" dll)
  string(TOLOWER "${dll}" lower)
  if(NOT lower IN_LIST system_dlls AND NOT lower MATCHES "^api-ms-win-")
    list(APPEND bad ${dll})
  endif()
  message(STATUS "imports ${dll}")
endforeach()
if(bad)
  message(FATAL_ERROR "${FILE} imports non-system DLLs: ${bad}")
endif()
