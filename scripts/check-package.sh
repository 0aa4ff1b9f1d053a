#!/usr/bin/env bash
# Builds the Debian package from this tree as `dpkg-buildpackage -us -uc -b` does at the top of
# a clean tree, but in a scratch folder, so that nothing is left in the tree or beside it; then
# checks it: lintian reports no error and no warning on the .changes and the .deb, and no file
# of the package holds the folder it was built in. The tests are not run in this build
# (nocheck): scripts/test.sh runs them in its own trees. `--keep DIR` copies the built package
# files into DIR, to compare two builds byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in dpkg-buildpackage dh lintian; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "check-package: $tool is not installed (scripts/install-deps.sh installs it); skipped"
    exit 0
  fi
done
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "check-package: the package is built from the files git knows; this is no git checkout" >&2
  exit 1
fi
keep=""
if [[ ${1:-} == --keep ]]; then
  mkdir -p "$2"
  keep=$(realpath "$2")
fi

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tree="$scratch/ombrelo"
mkdir "$tree"
# The files git knows, tracked or new and not ignored: build trees stay behind.
git ls-files -z --cached --others --exclude-standard |
  tar --null --files-from=- --ignore-failed-read -cf - | tar -C "$tree" -xf -

echo "check-package: building in $tree"
if ! (cd "$tree" && DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" \
  dpkg-buildpackage -us -uc -b) >"$scratch/build.log" 2>&1; then
  tail -n 60 "$scratch/build.log" >&2
  echo "check-package: dpkg-buildpackage failed" >&2
  exit 1
fi
changes=("$scratch"/ombrelo_*.changes)
packages=("$scratch"/ombrelo_*.deb)
(cd "$scratch" && sha256sum -- *.deb *.ddeb 2>/dev/null) || true

echo "== lintian: an error or a warning fails =="
lintian --display-info --fail-on error,warning "${changes[@]}" "${packages[@]}"

echo "== the build folder appears nowhere in the package =="
unpacked="$scratch/unpacked"
for package in "$scratch"/*.deb "$scratch"/*.ddeb; do
  [[ -e "$package" ]] && dpkg-deb -x "$package" "$unpacked"
done
found=$(grep -rlF "$scratch" "$unpacked" || true)
found+=$(find "$unpacked" -name '*.gz' -exec zgrep -lF "$scratch" {} + || true)
if [[ -n "$found" ]]; then
  echo "check-package: the build folder $scratch is written in:" >&2
  echo "$found" >&2
  exit 1
fi
echo "check-package: none of $(find "$unpacked" -type f | wc -l) files holds $scratch"

if [[ -n "$keep" ]]; then
  cp "$scratch"/*.deb "$scratch"/*.ddeb "${changes[@]}" "$scratch"/*.buildinfo "$keep"/ 2>/dev/null || true
fi
