# On Windows: MinGW-w64's own 64-bit compilers, the first found on PATH, or
# else where GitHub's Windows images and MSYS2 keep them. Windows builds for
# itself, so nothing is cross-compiled.
find_program(YELPIT_GCC x86_64-w64-mingw32-gcc PATHS C:/mingw64/bin C:/msys64/mingw64/bin REQUIRED)
cmake_path(GET YELPIT_GCC PARENT_PATH bin)
set(CMAKE_C_COMPILER ${YELPIT_GCC})
set(CMAKE_CXX_COMPILER ${bin}/x86_64-w64-mingw32-g++.exe)
set(CMAKE_RC_COMPILER ${bin}/windres.exe)
