# Cross-compiling the Windows program with clang for MinGW-w64 (64-bit), a second compiler over
# the same MinGW-w64 headers and libraries. Debian's clang does not find the C++ library of
# Debian's MinGW g++ (its folder is named after the thread model, as in 12-posix), so the folder
# is asked of that g++ and its C++ headers and libraries are named here; lld links.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET ${triple})
set(CMAKE_CXX_COMPILER_TARGET ${triple})
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_SYSROOT /usr/${triple})

execute_process(COMMAND ${triple}-g++-posix -print-libgcc-file-name
                OUTPUT_VARIABLE libgcc RESULT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT found EQUAL 0)
  message(FATAL_ERROR "${triple}-g++-posix not found: install g++-mingw-w64-x86-64-posix")
endif()
get_filename_component(gcc_dir ${libgcc} DIRECTORY)
set(CMAKE_CXX_FLAGS_INIT "-isystem ${gcc_dir}/include/c++ \
-isystem ${gcc_dir}/include/c++/${triple} -isystem ${gcc_dir}/include/c++/backward")
# libgcc's thread-local storage needs winpthreads.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${gcc_dir} -lpthread")

set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
