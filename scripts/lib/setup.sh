# Shared by scripts/run, scripts/test and scripts/package: installs the Debian
# packages the build needs when any is missing, and stays quiet when nothing is to
# be done.

PEMRIX_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

PEMRIX_PACKAGES=(
    g++ cmake ninja-build clang-format
    qt6-base-dev qt6-translations-l10n qt6-l10n-tools qt6-tools-dev python3 fonts-dejavu-core
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth imagemagick xdotool poppler-utils
    clang-14 libclang-rt-14-dev
    g++-mingw-w64-x86-64 wine64
    dpkg-dev file desktop-file-utils appstream man-db groff-base lintian
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
    echo "Installing ${#missing[@]} missing packages (a few minutes on a fresh system): ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
    echo "Packages installed."
}

# Ninja's progress lines ("[12/80] Building CXX object ..."): on a terminal they
# overwrite one another on a single line, elsewhere they are dropped. Every other
# line (compiler errors and warnings) is shown as it comes, after a heading that
# says what is being built; "no work to do" shows nothing at all. Never fails.
pemrix_filter_build_output() {
    local what="$1" line heading_shown="" progress_shown="" width=80
    local on_terminal=""
    if [ -t 1 ]; then
        on_terminal=1
        width="$(tput cols 2>/dev/null || true)"
        [[ "$width" =~ ^[0-9]+$ ]] && [ "$width" -gt 1 ] || width=80
    fi
    while IFS= read -r line; do
        [[ "$line" == "ninja: no work to do." ]] && continue
        if [ -z "$heading_shown" ]; then
            echo "Building $what ..."
            heading_shown=1
        fi
        if [[ "$line" =~ ^\[[0-9]+/[0-9]+\] ]]; then
            if [ -n "$on_terminal" ]; then
                printf '\r\033[K%s' "${line:0:$((width - 1))}"
                progress_shown=1
            fi
            continue
        fi
        if [ -n "$progress_shown" ]; then
            printf '\r\033[K'
            progress_shown=""
        fi
        printf '%s\n' "$line"
    done
    [ -n "$progress_shown" ] && printf '\r\033[K'
    return 0
}

# pemrix_build <preset> [target ...]: configure once, then build the targets (all
# when none is named), showing what it does. Fails when configuring or building
# fails, however the caller runs it.
pemrix_build() {
    local - # the option below stays inside this function
    set -o pipefail
    local preset="$1"
    shift
    local what="everything"
    [ $# -gt 0 ] && what="$*"
    cd "$PEMRIX_ROOT" || return
    if [ ! -f "build/$preset/CMakeCache.txt" ]; then
        echo "Configuring build/$preset (first run only) ..."
        cmake --preset "$preset" >/dev/null || return
    fi
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    # The filter never fails, so the pipeline's status is the build's own.
    local status=0
    cmake --build --preset "$preset" "${targets[@]}" -- -j"$(nproc)" |
        pemrix_filter_build_output "$what in build/$preset" || status=$?
    [ "$status" -eq 0 ] || echo "Building $what in build/$preset failed." >&2
    return "$status"
}
