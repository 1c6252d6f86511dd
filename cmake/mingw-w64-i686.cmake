# 32-bit Windows, the build that runs on every Windows from 7 on, x86, x64 and ARM64 alike:
#   cmake -S . -B build-windows-x86 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-i686.cmake
set(CMAKE_SYSTEM_PROCESSOR i686)
include("${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake")
