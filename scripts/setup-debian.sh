#!/usr/bin/env bash
# Installs what building, testing and running Vellmaster needs on Debian.
# clang 14 builds the fuzz targets: its fuzzer and sanitizer runtimes come
# with libclang-rt-14-dev (only recommended by clang-14), the symbolizer of
# their reports with llvm-14. The benchmarks (bench/) use libbenchmark-dev.
# nsis (makensis) makes the Windows installer.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
    g++ cmake make ninja-build libgtest-dev libgmock-dev \
    qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth \
    g++-mingw-w64-x86-64-posix wine64 googletest nsis \
    clang-14 libclang-rt-14-dev llvm-14 libbenchmark-dev >/dev/null
