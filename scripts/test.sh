#!/bin/sh
# Sets up, builds everything in its own folder and runs the whole test suite:
# the headless unit and playthrough tests, then the end-to-end tests under
# Xvfb; then the headless tests once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in a folder of their own.
set -e
cd "$(dirname "$0")/.."
sh scripts/setup.sh test
cmake -S . -B build-test -DBUILD_TESTING=ON >/dev/null
cmake --build build-test -j"$(nproc)"
(cd build-test && ctest --output-on-failure -j"$(nproc)")
cmake -S . -B build-asan -DBUILD_TESTING=ON -DSANITIZE=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan && ctest --output-on-failure -j"$(nproc)" -LE e2e
