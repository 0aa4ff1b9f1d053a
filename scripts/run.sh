#!/usr/bin/env bash
# Installs what is missing, builds Ombrelo and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMBRELO_TESTS=OFF
cmake --build build --target ombrelo
exec build/app/ombrelo "$@"
