#!/usr/bin/env bash
# Installs the Debian packages Ombrelo needs to build, test and run; only what is missing.
# Safe to run again. Works as root or through sudo.
set -euo pipefail

packages=(
  # build
  cmake ninja-build g++ clang libclang-rt-14-dev pkg-config
  # libraries
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  # fonts the window substitutes for its classic faces
  fonts-liberation fonts-dancingscript fontconfig
  # tests of the real program and its packaging
  xvfb xauth xdotool desktop-file-utils appstream dpkg-dev file
  # reading the real window's labels: the accessibility bus and its Python bindings
  dbus dbus-daemon at-spi2-core python3-pyatspi
  # formatting and static checks
  clang-format clang-tidy
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  echo "install-deps: everything is installed."
  exit 0
fi

if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1; then
  as_root=(sudo)
else
  echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
