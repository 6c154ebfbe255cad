# On Windows: MinGW-w64's own 32-bit compilers, the first found on PATH, or
# else where GitHub's Windows images and MSYS2 keep them. Windows builds for
# itself, so nothing is cross-compiled.
find_program(YELPIT_GCC i686-w64-mingw32-gcc PATHS C:/mingw32/bin C:/msys64/mingw32/bin REQUIRED)
cmake_path(GET YELPIT_GCC PARENT_PATH bin)
set(CMAKE_C_COMPILER ${YELPIT_GCC})
set(CMAKE_CXX_COMPILER ${bin}/i686-w64-mingw32-g++.exe)
set(CMAKE_RC_COMPILER ${bin}/windres.exe)
