#!/bin/sh
# Sets up, builds everything in its own folder and runs the whole test suite:
# the headless unit and playthrough tests, then the end-to-end tests under Xvfb.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh test
cmake -S . -B build-test -DBUILD_TESTING=ON >/dev/null
cmake --build build-test -j"$(nproc)"
cd build-test && ctest --output-on-failure -j"$(nproc)"
