#!/usr/bin/env bash
# The package as a host project sees it: for each target given (x86_64, i686), whose build folder must be built,
# installs the library into <build folder>/install, builds this folder's project against the installed package
# with the same toolchain, and runs the x86_64 programs under Wine (the i686 ones cannot run here): the host
# program, and the recording of a frame into a folder, whose own CMakeLists.txt then builds a replay program
# against the package; the replay's frame must equal the recorded one byte for byte.
# Usage: tests/consumer/check.sh TARGET...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

for target in "$@"; do
    build_dir=$(qel_build_dir "$target")
    package=$build_dir/install
    consumer=$build_dir/consumer
    rm -rf "$package" "$consumer"
    cmake --install "$build_dir" --prefix "$package"
    # The toolchain confines package searches to the MinGW sysroot, so the package folder is named directly.
    cmake -S "$QEL_ROOT/tests/consumer" -B "$consumer" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$QEL_ROOT/cmake/toolchain-mingw-$target.cmake" \
        -Dqel_ogl_DIR="$package/lib/cmake/qel_ogl"
    cmake --build "$consumer"
    if [ "$target" = x86_64 ]; then
        qel_wine_session "$build_dir" /usr/lib/wine/wine64 "$consumer/qel_consumer.exe"
        recording=$consumer/recording
        qel_wine_session "$build_dir" /usr/lib/wine/wine64 "$consumer/qel_consumer_record.exe" "$recording"
        cmake -S "$recording" -B "$recording/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="$QEL_ROOT/cmake/toolchain-mingw-$target.cmake" \
            -Dqel_ogl_DIR="$package/lib/cmake/qel_ogl"
        cmake --build "$recording/build"
        # From another working folder, with the data file that the program was built with.
        (cd "$consumer" && qel_wine_session "$build_dir" /usr/lib/wine/wine64 "$recording/build/replay.exe" - \
            "$recording/replayed")
        cmp "$recording/recorded0.rgba" "$recording/replayed0.rgba"
        echo "consumer: the replay of the recording folder draws the recorded frame byte for byte"
    fi
done
