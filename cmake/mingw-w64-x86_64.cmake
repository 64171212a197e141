# Cross-building mirelo.exe with Debian's mingw-w64 (x86_64, posix threads):
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...
# scripts/build-windows does this, with the host build's bitmap generators.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# The C++ run-time and the threads library go into the executable, so it
# needs no DLL beside the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# The tests run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# Libraries built for Windows by scripts/build-windows (GoogleTest) are
# installed under this prefix.
if(MIRELO_WINDOWS_PREFIX)
  list(APPEND CMAKE_FIND_ROOT_PATH ${MIRELO_WINDOWS_PREFIX})
endif()
