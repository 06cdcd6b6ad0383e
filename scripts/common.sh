# Shared by scripts/run and scripts/test: installs what a fresh Debian 12 machine lacks
# and configures and builds the given CMake preset incrementally.

set -euo pipefail

VELKARIS_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# ccache: compilations of another clone of the tree hit the same cache entries (paths
# relative to the tree, the working folder left out of the hash).
export CCACHE_BASEDIR="$VELKARIS_ROOT"
export CCACHE_NOHASHDIR=true

VELKARIS_PACKAGES=(
    build-essential cmake ninja-build ccache pkg-config
    qt6-base-dev libgl-dev qt6-translations-l10n
    libswe-dev swe-basic-data swetest
    fonts-dejavu-core fonts-liberation2 fonts-noto-core
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth clang-format
    python3
)

velkaris_install_packages() {
    local missing=()
    local pkg
    for pkg in "${VELKARIS_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing missing packages: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# velkaris_build PRESET [TARGET...]: configure once, then build only what changed.
velkaris_build() {
    local preset="$1"
    shift
    cd "$VELKARIS_ROOT"
    local dir
    dir="$(velkaris_build_dir "$preset")"
    if [ ! -f "$dir/build.ninja" ]; then
        cmake --preset "$preset"
    fi
    local targets=()
    [ $# -gt 0 ] && targets=(--target "$@")
    cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
}

velkaris_build_dir() {
    case "$1" in
        dev) echo "$VELKARIS_ROOT/build" ;;
        *) echo "$VELKARIS_ROOT/build-$1" ;;
    esac
}
