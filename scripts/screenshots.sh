#!/usr/bin/env bash
# Builds the screenshot tool and renders the four pages of the window into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target tessal-screenshot
mkdir -p docs
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy "$build/tessal-screenshot" "$PWD" docs
echo "docs/listening.png docs/keyer.png docs/operation.png docs/setup.png docs/text-file.png docs/talking.png docs/basic-course.png docs/operation-contact.png"
