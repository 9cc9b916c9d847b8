# Shared by the scripts: package installation, the out-of-tree build and the private X server.
# Sourced, not run.

VANTARO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

VANTARO_BUILD_PACKAGES=(g++ cmake ninja-build qt6-base-dev qt6-multimedia-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good libx11-dev libxtst-dev libxss-dev fonts-liberation2
    qt6-websockets-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
VANTARO_TEST_PACKAGES=(xvfb x11-utils x11-xserver-utils x11-xkb-utils xdotool openbox imagemagick pulseaudio
    pulseaudio-utils sox chromium)
# Building and checking the Debian package: CPack's DEB generator finds programs with file and their
# library dependencies with dpkg-shlibdeps; lintian and appstreamcli check the result.
VANTARO_PACKAGE_PACKAGES=(dpkg-dev file lintian appstream)

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

# A private runtime folder for the servers a script starts; they are stopped and the folder removed at
# exit, also when the script fails. Sets VANTARO_RUNTIME.
VANTARO_SERVER_PIDS=()
make_private_runtime() {
    VANTARO_RUNTIME=$(mktemp -d "/tmp/vantaro-$1.XXXXXX")
    chmod 700 "$VANTARO_RUNTIME"
    trap stop_private_servers EXIT
}

# A login session's runtime folder (XDG_RUNTIME_DIR) for the program, on a tmpfs as /run/user/<uid> is, so
# that its lock costs what it costs a user; inside the private runtime folder where there is no /dev/shm.
# Removed with the private runtime folder. Sets VANTARO_SESSION_RUNTIME.
make_session_runtime() {
    VANTARO_SESSION_RUNTIME=$(mktemp -d /dev/shm/vantaro-session.XXXXXX 2>/dev/null ||
        mktemp -d "$VANTARO_RUNTIME/session.XXXXXX")
    chmod 700 "$VANTARO_SESSION_RUNTIME"
}

stop_private_servers() {
    local pid
    for pid in "${VANTARO_SERVER_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${VANTARO_SERVER_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$VANTARO_RUNTIME" "${VANTARO_SESSION_RUNTIME:-}"
}

# Xvfb at 1920x1080 on a free display (exported as DISPLAY), with openbox managing its windows.
start_x_server() {
    local x="$VANTARO_RUNTIME/x"
    mkdir -p "$x"
    exec 3> "$x/display"
    Xvfb -displayfd 3 -screen 0 1920x1080x24 -noreset -nolisten tcp > "$x/log" 2>&1 &
    VANTARO_SERVER_PIDS+=($!)
    local tries=0
    until [ -s "$x/display" ]; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { cat "$x/log"; echo "Xvfb did not start" >&2; exit 1; }
        sleep 0.1
    done
    exec 3>&-
    export DISPLAY=":$(head -n1 "$x/display")"
    XDG_CONFIG_HOME="$x" openbox --sm-disable > "$x/openbox.log" 2>&1 &
    VANTARO_SERVER_PIDS+=($!)
    # A window mapped while the window manager is still taking over the screen may never be shown.
    tries=0
    until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        tries=$((tries + 1))
        [ $tries -gt 100 ] && { cat "$x/openbox.log"; echo "openbox did not start" >&2; exit 1; }
        sleep 0.1
    done
}
