#!/bin/sh
# Sets up, builds everything and runs the whole test suite: the headless
# unit and playthrough tests, then the end-to-end tests under Xvfb.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh test
cmake -S . -B build -DBUILD_TESTING=ON >/dev/null
cmake --build build -j"$(nproc)"
cd build && ctest --output-on-failure -j"$(nproc)"
