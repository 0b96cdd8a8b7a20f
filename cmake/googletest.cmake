# GoogleTest for the unit tests: Debian's package on Linux; on Windows the one that vcpkg or MSYS2
# installed, or else the release fetched here, built against the same shared C runtime as the
# tests. Either way GTest::gtest and GTest::gtest_main.
if(WIN32)
  find_package(GTest CONFIG QUIET)
  if(NOT GTest_FOUND)
    include(FetchContent)
    FetchContent_Declare(googletest
      URL https://github.com/google/googletest/archive/refs/tags/v1.14.0.tar.gz
      URL_HASH SHA256=8ad598c73ad796e0d8280b082cebd82a630d73e73cd3c70057938a6501bba5d7)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    FetchContent_MakeAvailable(googletest)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
