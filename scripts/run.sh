#!/usr/bin/env bash
# Installs what is missing, builds Ombrelo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
# The same tree as the tests use; only the program is built here.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=g++
cmake --build build --target ombrelo
exec build/app/ombrelo
