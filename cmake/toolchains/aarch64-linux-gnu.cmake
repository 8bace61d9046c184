# Builds for 64-bit ARM Linux with Debian's cross compiler (package
# g++-aarch64-linux-gnu) and runs what it builds under qemu-aarch64 (package
# qemu-user), so that `ctest` runs the tests as on an ARM machine:
#   cmake -S . -B build-aarch64 -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/aarch64-linux-gnu.cmake -DCORVANE_DIALOG=OFF
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# Libraries, headers and CMake packages of the target only: the build
# machine's (GoogleTest, Qt) cannot be linked. Programs are the build machine's.
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The target's dynamic loader and libraries are found under the sysroot.
find_program(CORVANE_QEMU qemu-${CMAKE_SYSTEM_PROCESSOR} REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CORVANE_QEMU} -L /usr/aarch64-linux-gnu)
