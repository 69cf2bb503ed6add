#!/usr/bin/env bash
# The package as a host project sees it: for each target given (x86_64, i686), whose build folder must be built,
# installs the library into <build folder>/install, builds this folder's project against the installed package
# with the same toolchain, and runs the x86_64 programs under Wine (the i686 ones cannot run here): the host
# program, and the recording of a frame into a folder, whose own CMakeLists.txt then builds a replay program
# against the package; the replay's frame must equal the recorded one byte for byte.
#
# Then the complete capture of whole programs: each legacy C program of tests/legacy, unchanged beside the
# interposer and built unchanged with the interception header, is recorded for its first frames (QEL_RECORD, QEL_SNAPSHOT, QEL_FRAMES) and closed from outside;
# its recording folder builds its replay against the package, every replayed frame must equal the program's
# own snapshot of it, and the recording must hold no call that it could not capture. Every program is checked,
# and the ones that fail are named at the end.
# Usage: tests/consumer/check.sh TARGET...
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/common.sh"

legacy_frames=3
# How long a program draws before its window is closed: its recorded frames take a fraction of that, also on a
# loaded machine.
legacy_drawing_ms=2000
unsupported_mark='OpenGLRekorderUnsupported('

# Builds the replay program of recording folder $1 against the installed package of $target, runs it from
# another working folder with frame prefix $1/replayed, and compares each of its first $3 frames with the
# recorded ones, $2<n>.rgba, byte for byte. Fails too when the recording holds calls that it could not capture,
# and lists them by kind.
check_replay() {
    local recording=$1 recorded=$2 frames=$3 frame status=0
    cmake -S "$recording" -B "$recording/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$QEL_ROOT/cmake/toolchain-mingw-$target.cmake" \
        -Dqel_ogl_DIR="$package/lib/cmake/qel_ogl" || return 1
    cmake --build "$recording/build" || return 1
    # From another working folder, with the data file that the program was built with.
    (cd "$consumer" && qel_wine_session "$build_dir" /usr/lib/wine/wine64 "$recording/build/replay.exe" - \
        "$recording/replayed") || return 1
    for ((frame = 0; frame < frames; frame++)); do
        cmp "$recorded$frame.rgba" "$recording/replayed$frame.rgba" || status=1
    done
    if grep -qF "$unsupported_mark" "$recording/recording.inc"; then
        echo "$recording/recording.inc holds calls that were not captured, by kind:"
        grep -F "$unsupported_mark" "$recording/recording.inc" | sed 's/^[[:space:]]*//' | sort | uniq -c | sort -rn
        status=1
    fi
    return $status
}

# Records the first frames of legacy program $2 (a path under the build's bin folder) in a fresh working
# folder named $1 and checks their replay.
check_legacy_program() {
    local name=$1 program=$2 folder=$consumer/legacy/$1
    rm -rf "$folder"
    mkdir -p "$folder"
    # Wine takes the DLL override from the environment that the runner starts with; the program inherits it.
    # A program built with the interception header has no opengl32.dll beside it, so the system's serves.
    (cd "$folder" && WINEDLLOVERRIDES=opengl32=n,b qel_wine_session "$build_dir" /usr/lib/wine/wine64 \
        "$build_dir/bin/qel_close_after_drawing.exe" "$legacy_drawing_ms" "$program" \
        QEL_RECORD=recording QEL_SNAPSHOT=frame QEL_FRAMES="$legacy_frames" QEL_LOG=log.txt) || {
        echo "$name did not run to a clean end; its log:"
        cat "$folder/log.txt" 2>/dev/null
        return 1
    }
    tr -d '\r' <"$folder/log.txt"
    check_replay "$folder/recording" "$folder/frame" "$legacy_frames"
}

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
        check_replay "$recording" "$recording/recorded" 1
        echo "consumer: the replay of the recording folder draws the recorded frame byte for byte"

        # The runs of tests/legacy/CMakeLists.txt: each program unchanged beside the interposer (in the build's
        # legacy_interposed folder), and built unchanged with the interception header.
        failed=()
        # The list comes on its own descriptor: the programs under Wine must not read it from standard input.
        while read -r name program <&3; do
            if check_legacy_program "$name" "$program"; then
                echo "$name: each replayed frame equals the program's own, and every call was captured"
            else
                failed+=("$name")
            fi
        done 3<"$build_dir/bin/acceptance_programs.txt"
        if [ ${#failed[@]} -gt 0 ]; then
            echo "complete capture failed for: ${failed[*]}"
            exit 1
        fi
    fi
done
