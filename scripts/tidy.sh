#!/usr/bin/env bash
# Runs clang-tidy over the project's sources with the compile commands of build/.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -f build/compile_commands.json ]] || cmake -S . -B build -G Ninja
cmake --build build --target ombrelo_conversion ombrelo_calculator >/dev/null
git ls-files 'conversion/*.cpp' 'calculator/*.cpp' 'window/*.cpp' 'app/*.cpp' |
  xargs -r clang-tidy -p build --quiet "$@"
