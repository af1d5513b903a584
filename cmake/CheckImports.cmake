cmake_minimum_required(VERSION 3.25)
# cmake -DOBJDUMP=... -DFILES="a.exe;b.exe" -P CheckImports.cmake
# Fails when a program imports a DLL that is not part of Windows itself
# (a compiler runtime left dynamic, for instance).
set(system_dlls
  advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll
  ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uuid.dll version.dll
  winmm.dll ws2_32.dll)
foreach(file ${FILES})
  execute_process(COMMAND ${OBJDUMP} -p ${file} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "${OBJDUMP} could not read ${file}")
  endif()
  string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
  if(NOT names)
    message(FATAL_ERROR "${file}: no imports found")
  endif()
  foreach(line ${names})
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls)
      message(FATAL_ERROR "${file} imports ${dll}, which is not a Windows system DLL")
    endif()
    message(STATUS "${file}: ${dll}")
  endforeach()
endforeach()
