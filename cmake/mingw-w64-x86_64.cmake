# Cross-builds for 64-bit Windows with Debian's MinGW-w64 (the POSIX-thread
# variant, package g++-mingw-w64-x86-64-posix, which std::thread needs):
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DZENTROVA_BUILD_GUI=OFF
#
# scripts/windows-check.sh does this and runs the tests under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(zentrova_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${zentrova_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${zentrova_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${zentrova_mingw}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${zentrova_mingw})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs carry the compiler's runtime (libstdc++, libgcc, winpthread)
# inside, so that a .exe runs without MinGW's DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
