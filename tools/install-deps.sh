# Installs the Debian packages ZAVK needs to build, test and run, when missing.
# Sourced by ./run and ./test; safe to run again (installs nothing when all are there).

ZAVK_PACKAGES=(
    cmake g++ make
    qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-charts-dev qt6-svg-dev
    libqt6opengl6-dev libqt6sql6-sqlite libsqlite3-dev libxkbcommon-dev
    sqlite3 fonts-dejavu-core fonts-noto-core fonts-noto-cjk
)

zavk_install_deps() {
    local missing=() package
    for package in "${ZAVK_PACKAGES[@]}" "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo=(sudo)
        else
            echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
            return 1
        fi
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update -qq
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures and builds in ZAVK_BUILD_DIR (default build/) with the given CMake options;
# only the targets in ZAVK_BUILD_TARGETS when it is set (./run builds the program alone).
zavk_build() {
    local dir="${ZAVK_BUILD_DIR:-build}" targets=()
    for target in ${ZAVK_BUILD_TARGETS:-}; do
        targets+=(--target "$target")
    done
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
}
