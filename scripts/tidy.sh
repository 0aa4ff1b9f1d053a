#!/usr/bin/env bash
# Runs clang-tidy over the project's sources with the compile commands of build/; any finding
# fails. `-j N` runs N at once; other arguments go to clang-tidy (e.g. --fix).
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=1
if [[ ${1:-} == -j ]]; then
  jobs=$2
  shift 2
fi
[[ -f build/compile_commands.json ]] || cmake -S . -B build -G Ninja
cmake --build build >/dev/null  # generated moc files must exist
find numbers conversion calculator window app -name '*.cpp' | sort |
  xargs -r -n 4 -P "$jobs" clang-tidy -p build --quiet --warnings-as-errors='*' "$@"
