#!/usr/bin/env bash
# Installs what is missing, builds Tintaro and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DTINTARO_TESTS=OFF
cmake --build build/release -j"$(nproc)"
exec build/release/tintaro/tintaro "$@"
