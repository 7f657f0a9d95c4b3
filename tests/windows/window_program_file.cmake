# SPDX-License-Identifier: MIT
# zembra.exe as a file: at most 512 KiB, and importing only DLLs that every
# Windows has (no compiler runtime beside it). Run with -DOBJDUMP= and
# -DPROGRAM=.
cmake_policy(SET CMP0057 NEW)
set(allowed ADVAPI32.dll COMCTL32.dll GDI32.dll KERNEL32.dll msvcrt.dll ole32.dll USER32.dll VERSION.dll)

file(SIZE ${PROGRAM} size)
if(size GREATER 524288)
    message(FATAL_ERROR "${PROGRAM} is ${size} bytes, more than 512 KiB")
endif()

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} cannot read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
foreach(line IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${line}")
    if(NOT dll IN_LIST allowed)
        message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not one of Windows' own: ${allowed}")
    endif()
endforeach()
message(STATUS "${PROGRAM}: ${size} bytes, imports ${imports}")
