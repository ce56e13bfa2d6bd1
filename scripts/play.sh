#!/bin/sh
# Sets up, builds the game and its data, and starts it from the build folder,
# where bmp/, xm/ and wav/ are made.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh
cmake -S . -B build -DBUILD_TESTING=OFF >/dev/null
cmake --build build -j"$(nproc)" --target vesperpark gamedata
cd build && exec ./vesperpark
