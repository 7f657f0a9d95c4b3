# SPDX-License-Identifier: MIT
# shellcheck shell=bash disable=SC2034  # the lists are read by the scripts that source this
# Shared by the scripts: the Debian packages each job needs, one list each,
# and the helper that installs the missing ones.

ZEMBRA_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export ZEMBRA_ROOT

# Building the program and the batch converter.
BUILD_PACKAGES=(
    cmake make g++ pkg-config
    qt6-base-dev libgl-dev
    libcli11-dev libfast-float-dev
    fonts-dejavu-core
    # Ships the JPEG image plugin that reads the About window's picture.
    libqt6gui6
)

# Building the web page with Emscripten, and serving it.
WEB_PACKAGES=(
    cmake make emscripten libfast-float-dev python3
)

# Cross-building the Windows edition with mingw-w64 and testing it under
# Wine, its windows on Xvfb; GoogleTest is built from its sources there, the
# installer with wixl.
WINDOWS_PACKAGES=(
    cmake make g++-mingw-w64-x86-64-posix googletest libcli11-dev libfast-float-dev
    wine wine64 fonts-wine wixl xvfb xauth python3
)

# Driving the page in a real browser, headless.
BROWSER_PACKAGES=(
    chromium chromium-driver python3-selenium python3-pytest
)

# Building, checking and installing the Debian package.
PACKAGE_PACKAGES=(
    dpkg-dev file lintian desktop-file-utils appstream
)

# The format check; git names the sources in a checkout.
FORMAT_PACKAGES=(
    clang-format git
)

# The fuzzers: the core and the list library, built with clang, their tests
# with GoogleTest.
FUZZ_PACKAGES=(
    cmake make clang libclang-rt-14-dev libgtest-dev libfast-float-dev
)

# Bootstrapping a fresh Debian 12 root and cloning the repository into it.
FRESH_PACKAGES=(
    debootstrap debian-archive-keyring git
)

# Running every test, the benchmarks' smoke runs, the fuzzer and the checks.
TEST_PACKAGES=(
    "${BUILD_PACKAGES[@]}"
    libgtest-dev libgmock-dev libbenchmark-dev
    "${FORMAT_PACKAGES[@]}"
    "${FUZZ_PACKAGES[@]}"
    locales
    xvfb xauth openbox xdotool x11-apps imagemagick
    # xrdb, which announces a screen's DPI (Xft.dpi) for the high-DPI screenshots.
    x11-xserver-utils
    # Dark and high-contrast colour schemes for the screenshots.
    qt6ct
    time bc
    "${PACKAGE_PACKAGES[@]}"
    "${WEB_PACKAGES[@]}"
    "${BROWSER_PACKAGES[@]}"
    "${WINDOWS_PACKAGES[@]}"
    # The core built with clang and libc++, as Emscripten builds it.
    libc++-14-dev libc++abi-14-dev
    # clang-tidy on the libraries without Qt.
    clang-tidy-14
)

# Root, or sudo to become root: without either, the scripts stop at once with
# one line that says what to do instead.
root_prefix=()
if [ "$(id -u)" -ne 0 ]; then
    root_prefix=(sudo)
fi
cannot_become_root() { [ "$(id -u)" -ne 0 ] && ! command -v sudo >/dev/null; }

# Installs the named packages that are not installed yet; when all of them
# are installed, nothing here needs root.
install_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        # The lists share packages: name each once.
        [[ " ${missing[*]} " == *" $pkg "* ]] && continue
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if cannot_become_root; then
        echo "$0: run it as root, or install these packages first:" \
            "apt-get install ${missing[*]}" >&2
        exit 1
    fi
    echo "Installing: ${missing[*]}"
    "${root_prefix[@]}" apt-get update -qq
    "${root_prefix[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The tests pin a locale whose decimal separator is ",": make sure it exists.
ensure_test_locale() {
    locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
    if cannot_become_root; then
        echo "$0: run it as root, or create the de_DE.UTF-8 locale first:" \
            "localedef -i de_DE -f UTF-8 de_DE.UTF-8" >&2
        exit 1
    fi
    "${root_prefix[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

jobs_count() { nproc 2>/dev/null || echo 2; }
