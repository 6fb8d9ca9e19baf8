# Cross build for 64-bit Windows. The deliverables are 32-bit; this build exists so that the
# Windows tests can run where the kernel cannot execute 32-bit Linux programs (and so 32-bit Wine).
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TAVRIN_MINGW_TRIPLE x86_64-w64-mingw32)
set(TAVRIN_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
