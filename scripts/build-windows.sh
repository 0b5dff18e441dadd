#!/usr/bin/env bash
# The Windows build of `make windows`: GoogleTest from Debian's sources and
# quadrel.exe with the Qt-free test programs, all built by mingw-w64, then
# every test run through wine by ctest.
# Usage: build-windows.sh [BUILD_DIR] [JOBS]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
mkdir -p "${1:-build-windows}"
build=$(cd "${1:-build-windows}" && pwd)
jobs=${2:-2}
toolchain=$root/cmake/mingw-w64-x86_64.cmake
gtest=$build/googletest-install

# Debian ships GoogleTest built for the host only; the sources of the
# googletest package are built once with the cross compiler.
if [[ ! -f $gtest/lib/cmake/GTest/GTestConfig.cmake ]]; then
  cmake -S /usr/src/googletest -B "$build/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
  cmake --build "$build/googletest" -j"$jobs"
  cmake --install "$build/googletest" >/dev/null
fi

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DQUADREL_GUI=OFF -DQUADREL_WERROR=ON -DGTest_DIR="$gtest/lib/cmake/GTest" >/dev/null
# The wine prefix first: made during the build, its minute or so would count
# against the time test discovery allows a program.
bash "$root/scripts/wine-run.sh" "$build/wine"
cmake --build "$build" -j"$jobs"
cd "$build"
ctest --output-on-failure -j"$jobs"
