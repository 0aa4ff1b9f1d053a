#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds Ombrelo three ways and runs every test:
#   build/       the program as shipped (g++), warnings as errors, benchmarks built (not run),
#                then clang-tidy over the sources with its compile commands;
#   build-asan/  the same under AddressSanitizer + UndefinedBehaviorSanitizer (clang);
#   build-core/  the Qt-free core alone (clang), with its fuzzers run for a few seconds each;
# then builds the Debian package in a scratch folder and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

jobs=$(nproc)
export CTEST_OUTPUT_ON_FAILURE=1

echo "== format: clang-format, a difference fails =="
find numbers conversion calculator window app tests bench fuzz -name '*.cpp' -o -name '*.h' |
  sort | xargs clang-format --dry-run --Werror

echo "== build: g++ =="
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=g++ -DOMBRELO_WERROR=ON -DOMBRELO_BENCH=ON -DOMBRELO_TESTS=ON
cmake --build build -j "$jobs"
ctest --test-dir build -j "$jobs"
# The benchmarks are built above so that they keep compiling; they run on demand (bench target).

echo "== tidy: clang-tidy, a finding fails =="
scripts/tidy.sh -j "$jobs"

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

echo "== package: the Debian package, lintian, no build folder in it =="
scripts/check-package.sh
