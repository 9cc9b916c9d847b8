# Shared by scripts/run and scripts/test: package installation and the out-of-tree build.
# Sourced, not run.

VANTARO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

VANTARO_BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good libx11-dev libxtst-dev fonts-liberation2)
VANTARO_TEST_PACKAGES=(xvfb x11-utils xdotool openbox imagemagick pulseaudio pulseaudio-utils sox)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the given Debian packages that are not installed yet; does nothing when all are.
install_missing() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# configure_and_build BUILD_DIR [cmake options...]
configure_and_build() {
    local build_dir=$1
    shift
    cmake -S "$VANTARO_ROOT" -B "$build_dir" -G Ninja "$@" &&
        cmake --build "$build_dir" --parallel 2
}
