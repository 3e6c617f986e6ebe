set(CMAKE_C_COMPILER ${KS_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KS_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${KS_MINGW_TRIPLE}-windres)
set(CMAKE_OBJDUMP ${KS_MINGW_TRIPLE}-objdump CACHE FILEPATH "objdump for the target")
set(CMAKE_FIND_ROOT_PATH /usr/${KS_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A DLL loaded into Explorer may import system DLLs only: the C++ runtime,
# libgcc and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
