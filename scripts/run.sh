#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF
cmake --build build/release -j "$(nproc 2>/dev/null || echo 2)" --target velmora-cli
# The window comes with the user interface; until then, the engine counts the
# American move tree from the start position.
exec build/release/velmora-cli perft American 9
