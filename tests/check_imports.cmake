# The DLLs marvix.exe names in its import table: Windows' own core DLLs and no others. The C++
# runtime is linked in, and the DLLs the clock seldom needs (common controls and dialogs, the
# shell, sound) are loaded when they are used: each one imported would be loaded, with the DLLs
# it brings, at every start and kept all day.
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cannot read ${EXE}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" names "${dump}")
list(TRANSFORM names REPLACE "DLL Name: " "")
list(TRANSFORM names TOLOWER)
list(SORT names)
set(expected advapi32.dll gdi32.dll kernel32.dll msvcrt.dll user32.dll)
if(NOT names STREQUAL expected)
  message(FATAL_ERROR "marvix.exe imports ${names}; expected ${expected}")
endif()
