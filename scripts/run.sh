#!/usr/bin/env bash
# Builds the program and starts it in its working folder, run/, which keeps
# the settings file and the Save, SKIN and Sound folders from one start to
# the next.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF
cmake --build build/release -j "$(nproc 2>/dev/null || echo 2)" --target velmora velmora-cli manual

mkdir -p run/Save run/SKIN run/Sound
# The default sounds and the example skin, made by our own script; files a
# player has replaced are kept.
python3 res/media/make_media.py run
cd run
exec ../build/release/velmora
