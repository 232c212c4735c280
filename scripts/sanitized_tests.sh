#!/bin/sh
# The suite again under AddressSanitizer and UndefinedBehaviorSanitizer, in build-asan; then
# every libFuzzer harness over its seed corpus and a fixed number of mutations, in build-fuzz
# (with clang, which bootstrap.sh installs). Part of the README's test command.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-asan -DVVZ_SANITIZE=ON -DVVZ_BUILD_BENCHMARKS=OFF
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j2
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DVVZ_FUZZ=ON -DVVZ_BUILD_TESTS=OFF \
    -DVVZ_BUILD_BENCHMARKS=OFF
cmake --build build-fuzz -j2 --target fuzz_smoke
