# GoogleTest for the Windows build: Debian ships no mingw build of it, so it is
# built here from Debian's sources (package googletest, in /usr/src/googletest),
# and find_package(GTest) is pointed at those targets.
set(ANAGROVE_GOOGLETEST_SOURCE_DIR /usr/src/googletest
    CACHE PATH "GoogleTest's sources, built along for the Windows tests")
if(NOT EXISTS ${ANAGROVE_GOOGLETEST_SOURCE_DIR}/googletest/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest's sources are not in ${ANAGROVE_GOOGLETEST_SOURCE_DIR}: "
                      "install Debian's googletest package")
endif()

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# Static, so that a test executable needs no GoogleTest DLL beside it.
set(BUILD_SHARED_LIBS OFF)
add_subdirectory(${ANAGROVE_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Its sources are not ours: their warnings are not reported.
foreach(target gtest gtest_main)
  set_target_properties(${target} PROPERTIES COMPILE_OPTIONS "" CXX_CLANG_TIDY "")
  target_compile_options(${target} PRIVATE -w)
endforeach()

set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/gtest CACHE PATH "" FORCE)
