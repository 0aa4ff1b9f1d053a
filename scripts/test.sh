#!/usr/bin/env bash
# Installs what is missing, builds Ombrelo three ways and runs every test:
#   build/       the program as shipped (g++), warnings as errors, with benchmarks;
#   build-asan/  the same under AddressSanitizer + UndefinedBehaviorSanitizer (clang);
#   build-core/  the Qt-free core alone (clang), with its fuzzers run for a few seconds each.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1

echo "== build: g++ =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=g++ -DOMBRELO_WERROR=ON -DOMBRELO_BENCH=ON -DOMBRELO_TESTS=ON
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs"
echo "== benchmarks: one short run, for each rule's ratio to its bare baseline =="
find build/bench -name '*_bench' -type f -executable | sort | while read -r bench; do
  "$bench" --benchmark_min_time=0.01
done

echo "== build-asan: clang, AddressSanitizer + UndefinedBehaviorSanitizer =="
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DOMBRELO_WERROR=ON -DOMBRELO_SANITIZE=ON -DOMBRELO_TESTS=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan -j "$jobs"

echo "== build-core: the core without Qt, and its fuzzers =="
cmake -S . -B build-core -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DOMBRELO_WERROR=ON -DOMBRELO_GUI=OFF -DOMBRELO_TESTS=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=ON -DOMBRELO_FUZZ=ON --no-warn-unused-cli
cmake --build build-core -j "$jobs"
ctest --test-dir build-core -j "$jobs"
