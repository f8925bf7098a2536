# Builds for WebAssembly (wasm32-wasi) with Debian's clang 19, whose libc++,
# libc++abi and compiler runtime for wasm32 come from the packages
# libc++-19-dev-wasm32, libc++abi-19-dev-wasm32, libclang-rt-19-dev-wasm32 and
# wasi-libc, all under /usr.
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_C_COMPILER clang-19)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_C_COMPILER_TARGET wasm32-wasi)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_SYSROOT /usr)
# Only the wasm32 parts of the sysroot hold libraries for this target.
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
