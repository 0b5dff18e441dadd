# The Qt-free quadrel.exe for 64-bit Windows, built with Debian's mingw-w64
# (the posix threads variant, whose libstdc++ has std::thread and std::mutex)
# and run through wine:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DQUADREL_GUI=OFF
# `make windows` does that, with GoogleTest built by this same compiler.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUADREL_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUADREL_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUADREL_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUADREL_MINGW_TRIPLE}-windres)

# Libraries and packages for the target only; programs (cmake's own helpers)
# from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUADREL_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The runtime libraries linked in, so that quadrel.exe needs nothing beside
# it but what every Windows has (KERNEL32 and msvcrt).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# ctest and GoogleTest's test discovery run the programs through wine, in a
# wine prefix of the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh ${CMAKE_BINARY_DIR}/wine)
