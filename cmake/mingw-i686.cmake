# Cross build of the 32-bit Windows programs, the deliverables.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TAVRIN_MINGW_TRIPLE i686-w64-mingw32)
set(TAVRIN_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
