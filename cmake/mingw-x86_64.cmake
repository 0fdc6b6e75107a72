# 64-bit Windows, for the Win32 tests on a machine that cannot run 32-bit code (Wine runs 32-bit
# Windows programs as 32-bit Linux processes). The product is the 32-bit build; this one runs the
# same sources and tests.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
