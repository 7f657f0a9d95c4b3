# SPDX-License-Identifier: MIT
# Shared by the scripts: the Debian packages each job needs, one list each,
# and the helper that installs the missing ones.

ZEMBRA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ZEMBRA_ROOT

# Building the program and the batch converter.
BUILD_PACKAGES=(
    cmake make g++ pkg-config
    qt6-base-dev libgl-dev
    libcli11-dev libcsv-dev
    fonts-dejavu-core
    # Ships the JPEG image plugin that reads the About window's picture.
    libqt6gui6
)

# Building, checking and installing the Debian package.
PACKAGE_PACKAGES=(
    dpkg-dev file lintian desktop-file-utils appstream
)

# Running every test, the benchmarks' smoke runs, the fuzzer and the checks.
TEST_PACKAGES=(
    "${BUILD_PACKAGES[@]}"
    libgtest-dev libgmock-dev libbenchmark-dev
    clang libclang-rt-14-dev clang-format locales
    xvfb xauth openbox xdotool x11-apps imagemagick
    # xrdb, which announces a screen's DPI (Xft.dpi) for the high-DPI screenshots.
    x11-xserver-utils
    time bc
    "${PACKAGE_PACKAGES[@]}"
)

# Installs the named packages that are not installed yet.
install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# The tests pin a locale whose decimal separator is ",": make sure it exists.
ensure_test_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "warning: no de_DE.UTF-8 locale"
}

jobs_count() { nproc 2>/dev/null || echo 2; }
