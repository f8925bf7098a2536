# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (GCC, posix threads:
# std::thread and std::mutex need them).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(_anagrove_mingw x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${_anagrove_mingw}-gcc-posix)
set(CMAKE_CXX_COMPILER ${_anagrove_mingw}-g++-posix)
set(CMAKE_RC_COMPILER ${_anagrove_mingw}-windres)
set(CMAKE_AR ${_anagrove_mingw}-gcc-ar-posix CACHE FILEPATH "")
set(CMAKE_RANLIB ${_anagrove_mingw}-gcc-ranlib-posix CACHE FILEPATH "")

# Headers, libraries and CMake packages come from the mingw tree and from the
# prefixes named in CMAKE_PREFIX_PATH (the Windows Qt); programs run during the
# build come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${_anagrove_mingw} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
