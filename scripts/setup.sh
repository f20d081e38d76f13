#!/usr/bin/env bash
# Installs the Debian packages the trainer needs (only those missing) and configures build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake ninja-build pkg-config ccache
    qt6-base-dev qt6-svg-dev libsdl2-dev libasound2-dev libespeak-ng-dev espeak-ng-data
    libgtest-dev libgmock-dev fonts-noto-cjk
    xvfb xauth unrtf desktop-file-utils
    clang libclang-rt-14-dev
    libsndfile1-dev multimon-ng python3 pulseaudio pulseaudio-utils
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing ${missing[*]}"
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
