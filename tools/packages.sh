# Debian packages the project needs, and a helper that installs the missing ones.
# shellcheck shell=bash
VQ_BUILD_PACKAGES=(cmake ninja-build ccache g++ qt6-base-dev libgl-dev libfontconfig-dev libxcb1-dev
                   libxcb-keysyms1-dev libxkbcommon-dev fonts-liberation fonts-liberation2 lld)
VQ_TEST_PACKAGES=(libgtest-dev libbenchmark-dev clang libclang-rt-14-dev python3 xvfb xauth xdotool
                  trayer openbox wmctrl x11-utils desktop-file-utils imagemagick dbus-daemon
                  doxygen dpkg-dev file lintian make pkg-config weston qt6-wayland
                  at-spi2-core python3-pyatspi)
VQ_DEMO_PACKAGES=(xvfb xauth imagemagick)

ensure_packages() {
    local missing=()
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" = 0 ]; then
        echo "Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "Missing Debian packages. Run:"
        echo "  sudo apt-get install -y ${missing[*]}"
        exit 1
    fi
}
