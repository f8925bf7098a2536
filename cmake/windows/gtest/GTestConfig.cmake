# find_package(GTest) in the Windows build: GoogleTest is built in the same
# tree (cmake/windows/googletest.cmake), and this names its targets as the
# installed package would.
foreach(_anagrove_gtest gtest gtest_main)
  if(NOT TARGET GTest::${_anagrove_gtest})
    add_library(GTest::${_anagrove_gtest} ALIAS ${_anagrove_gtest})
  endif()
endforeach()
set(GTest_FOUND TRUE)
