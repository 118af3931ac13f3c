# Shared by run.sh and test.sh: install what is missing, then configure and build one tree.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

PACKAGES=(
    cmake g++ ninja-build ccache pkg-config python3
    qtbase5-dev qtbase5-dev-tools libqt5svg5-dev
    libjsoncpp-dev zlib1g-dev libminizip-dev
    xvfb xauth libgl1-mesa-dri libglx-mesa0
    fonts-wqy-microhei fonts-dejavu-core
    qttools5-dev
)

ensure_packages() {
    local missing=()
    local pkg
    for pkg in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing missing packages: ${missing[*]}"
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        sudo="sudo"
    fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

# build_tree <build dir> <cmake options...>
build_tree() {
    local dir="$1"
    shift
    export CCACHE_DIR="${CCACHE_DIR:-$ROOT/.ccache}"
    # Paths hashed relative to the checkout, so clones in other folders share one cache.
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
    cmake --build "$dir" --parallel "${CAREVIX_JOBS:-$(nproc)}"
}
