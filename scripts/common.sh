# Shared parts of the set-up commands (scripts/test.sh, scripts/run.sh, scripts/build.sh): the packages, the
# builds and the Wine session. Sourced, not run.

QEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Everything a fresh Debian machine needs to build for Windows and run the programs under Wine on Xvfb.
QEL_PACKAGES=(cmake ninja-build python3 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine64 xvfb xauth
    libgl1-mesa-dri libglx-mesa0 khronos-api googletest)

# What the native build of the platform-free core needs: the host's own compilers (g++ for the sanitizer tests,
# clang with its sanitizer and libFuzzer runtimes for the fuzz targets).
QEL_HOST_PACKAGES=(cmake ninja-build g++ clang libclang-rt-dev googletest)

# Installs whichever of the packages given (QEL_PACKAGES when none is given) are missing.
qel_install_packages() {
    local missing=() package
    [ $# -gt 0 ] || set -- "${QEL_PACKAGES[@]}"
    for package in "$@"; do
        dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing ${missing[*]}"
        apt-get update
        DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
    fi
}

# The build folder of a configure preset.
qel_build_dir() {
    echo "$QEL_ROOT/build/$1"
}

# Configures and builds each preset given (x86_64, i686); on CI (CI=true) with warnings as errors.
qel_build() {
    local preset prefix=""
    [ "${CI:-}" = true ] && prefix=ci-
    for preset in "$@"; do
        (cd "$QEL_ROOT" && cmake --preset "$prefix$preset" && cmake --build --preset "$prefix$preset")
    done
}

# Runs COMMAND... on a virtual display with the Wine prefix of BUILD_DIR: everything Wine starts in it shares
# that display, so that Wine's desktop has OpenGL. Answers the command's status.
qel_wine_session() {
    local build_dir=$1
    shift
    xvfb-run -a -s "-screen 0 1280x1024x24" bash "$QEL_ROOT/scripts/in-wine-session.sh" "$build_dir" "$@"
}
