#!/usr/bin/env bash
# Builds the Debian package build/tessal_<version>_<arch>.deb; install it with
# `sudo apt install ./build/tessal_*.deb`.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --build build --target tessal tessal-render
cd build
cpack -G DEB
