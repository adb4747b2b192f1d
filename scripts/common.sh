# Shared by the run and test commands: installs what is missing, makes the Wine prefix once and
# provides a display. Sourced, not run.

GLOBULON_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="$GLOBULON_ROOT/build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

GLOBULON_PACKAGES=(cmake ninja-build g++ googletest clang-format clang libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine wine64 fonts-wine xvfb xdotool x11-apps x11-utils libxfixes3 imagemagick python3
    wixl msitools zip libx11-dev libxml2-utils xserver-xephyr
    libxinerama-dev x11-xserver-utils xscreensaver xsecurelock dpkg-dev lintian
    mate-screensaver dbus-daemon libglib2.0-bin
    osslsigncode faketime openssl
    libwayland-dev wayland-protocols sway swayidle grim wtype weston)

log() { printf '\n== %s\n' "$*"; }

# Installs the Debian packages that are not there yet (never wine32: it breaks wine here).
install_packages() {
    local missing=()
    for package in "${GLOBULON_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' ||
            missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    log "installing ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# The project's own Wine prefix, made once before anything runs in parallel in it.
# Xvfb has no window manager, so Wine is told not to leave its windows to one: otherwise hiding
# a full-screen window waits two seconds for a window manager that never answers.
make_wine_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        log "creating the Wine prefix in $WINEPREFIX"
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    if ! grep -q '"Managed"="N"' "$WINEPREFIX/user.reg"; then
        wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
        wineserver -w
    fi
}

# Starts Xvfb on a free display number and exports DISPLAY; stop_display ends it.
GLOBULON_XVFB_PID=""
start_display() {
    local size=${1:-1024x768x24}
    local number=90
    while [ -e "/tmp/.X${number}-lock" ]; do number=$((number + 1)); done
    Xvfb ":$number" -screen 0 "$size" -nolisten tcp -noreset >/dev/null 2>&1 &
    GLOBULON_XVFB_PID=$!
    export DISPLAY=":$number"
    for _ in $(seq 100); do
        xdpyinfo >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "Xvfb did not start" >&2
    return 1
}

stop_display() {
    [ -n "$GLOBULON_XVFB_PID" ] && kill "$GLOBULON_XVFB_PID" 2>/dev/null
    GLOBULON_XVFB_PID=""
}

# A persistent wineserver makes each Wine process start in a fraction of a second. It goes on in
# the background by itself and returns once it answers: started with "&" instead, the next Wine
# program could win the race, start a server of its own that ends with its last client, and a
# later program then start while that one was ending, and fail without a word.
start_wineserver() { wineserver -p </dev/null >/dev/null 2>&1 || true; }
stop_wineserver() { wineserver -k >/dev/null 2>&1 || true; }

# The first Windows program after wineserver starts also starts Wine's services and desktop,
# which inherit its output pipes and would hold a test runner's pipe open until they end. So a
# first program (given, e.g. globulon.scr /A, which only beeps) runs with its output elsewhere.
warm_up_wine() { wine "$@" </dev/null >/dev/null 2>&1 || true; }

# Starts the stand-in display-settings dialog (tests/tools/preview_host.exe, popup mode, so that
# another process's drawing reaches the screen) and sets PREVIEW_HWND to its preview window.
start_preview_host() {
    coproc PREVIEW_HOST { wine "$GLOBULON_ROOT/build/win64/tests/tools/preview_host.exe" popup; }
    PREVIEW_HWND=""
    local line
    while read -r -t 30 line <&"${PREVIEW_HOST[0]}"; do
        line=${line%$'\r'}
        case "$line" in
            preview=*) PREVIEW_HWND=${line#preview=} ;;
            ready) break ;;
        esac
    done
    [ -n "$PREVIEW_HWND" ]
}
