# Shared by scripts/run and scripts/test: installs what is missing on a
# Debian machine, then configures and builds in build/.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
BUILD_DIR="${BUILD_DIR:-$ROOT/build}"

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    locales-all        # the tests switch the C library to a comma locale
    fonts-dejavu-core  # one font on every machine
    dpkg-dev file      # the Debian package: dpkg-shlibdeps finds its dependencies
)

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

configure_and_build() {
    cmake -S "$ROOT" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" \
        "$@" >/dev/null
    cmake --build "$BUILD_DIR" --parallel "$(nproc)"
}

# The tests built with AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-asan/.
SANITIZED_BUILD_DIR="$ROOT/build-asan"
build_sanitized() {
    BUILD_DIR="$SANITIZED_BUILD_DIR" BUILD_TYPE=Debug configure_and_build -DBUILD_TESTING=ON \
        "-DCMAKE_CXX_FLAGS=-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
}
