# Cross-build for Windows with mingw-w64's posix thread model (std::thread and std::mutex); the
# toolchain file that includes this one names the target triple and processor.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER /usr/bin/${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER /usr/bin/${mingw_triple}-g++-posix)
set(CMAKE_AR /usr/bin/${mingw_triple}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB /usr/bin/${mingw_triple}-gcc-ranlib-posix CACHE FILEPATH "")
set(CMAKE_RC_COMPILER /usr/bin/${mingw_triple}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
