# Shared by scripts/run and scripts/test: installs the Debian packages the build
# needs when any is missing, and stays quiet when nothing is to be done.

PEMRIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

PEMRIX_PACKAGES=(
    g++ cmake ninja-build
    qt6-base-dev qt6-translations-l10n fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth imagemagick xdotool
    clang-14 libclang-rt-14-dev
    g++-mingw-w64-x86-64
)

pemrix_install_missing() {
    local missing=()
    local pkg
    for pkg in "${PEMRIX_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# pemrix_build <preset>: configure once, then build quietly (errors still show).
pemrix_build() {
    local preset="$1"
    cd "$PEMRIX_ROOT"
    if [ ! -f "build/$preset/CMakeCache.txt" ]; then
        cmake --preset "$preset" >/dev/null
    fi
    cmake --build --preset "$preset" -- -j"$(nproc)" | grep -v -E '^(\[[0-9]+/[0-9]+\]|ninja: no work to do)' || true
    test "${PIPESTATUS[0]}" -eq 0
}
