#!/usr/bin/env bash
# Runs clang-tidy over the project's sources with the compile commands of build/.
set -euo pipefail
cd "$(dirname "$0")/.."
[[ -f build/compile_commands.json ]] || cmake -S . -B build -G Ninja
cmake --build build >/dev/null  # generated moc files must exist
git ls-files 'numbers/*.cpp' 'conversion/*.cpp' 'calculator/*.cpp' 'window/*.cpp' 'app/*.cpp' |
  xargs -r clang-tidy -p build --quiet "$@"
