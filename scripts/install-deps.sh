#!/usr/bin/env bash
# Installs the Debian packages Ombrelo needs to build, test and run; only what is missing.
# Safe to run again. Works as root, or through sudo when it needs no password.
set -euo pipefail

here=$(dirname "$0")

# What the program and the tests of its package build need: the Build-Depends of
# debian/control, one list for both (debhelper-compat is debhelper's promise of a compat level).
build_depends() {
  awk '/^Build-Depends:/ { on = 1; sub(/^Build-Depends:/, ""); print; next }
       on && /^[ \t]/ { print; next }
       { on = 0 }' "$here/../debian/control" |
    tr ',' '\n' | sed -e 's/[[(<].*//' -e 's/[[:space:]]//g' -e 's/^debhelper-compat$/debhelper/' |
    grep .
}
mapfile -t packages < <(build_depends)
((${#packages[@]})) || { echo "install-deps: no Build-Depends in debian/control" >&2; exit 1; }

packages+=(
  # what every Debian build takes for granted (build-essential), and the package's checker
  g++ dpkg-dev lintian
  # the sanitizer and fuzzer trees, and the benchmarks
  clang libclang-rt-14-dev libbenchmark-dev
  # tests of the real program
  xvfb xauth xdotool x11-utils
  # the window on a Wayland compositor, and under the other Qt styles Debian ships
  weston qt6-wayland adwaita-qt6 python3-pil
  # reading the real window's labels: the accessibility bus and its Python bindings
  dbus dbus-daemon at-spi2-core python3-pyatspi
  # the real screen reader over the real program, speaking to no sound device
  orca speech-dispatcher procps
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

# Root, or sudo that needs no password: CI and scripts run without a terminal to ask in.
if [[ $(id -u) -eq 0 ]]; then
  as_root=()
elif command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
  as_root=(sudo -n)
else
  echo "install-deps: installing these packages needs root: ${missing[*]}" >&2
  if command -v sudo >/dev/null 2>&1; then
    echo "install-deps: sudo cannot get root here without a password (sudo -n failed);" \
      "run 'sudo $0' in a terminal, or run it as root." >&2
  else
    echo "install-deps: there is no sudo; run this script as root." >&2
  fi
  exit 1
fi

# A fresh machine runs its automatic updates at first boot and holds the package manager's
# lock meanwhile: wait for it. Downloads that fail are tried again.
apt_options=(-o DPkg::Lock::Timeout=600 -o Acquire::Retries=5)
apt_get() {
  local try
  for try in 1 2 3; do
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "${apt_options[@]}" "$@" && return 0
    echo "install-deps: apt-get $1 failed (try $try of 3)" >&2
    if ((try < 3)); then sleep 30; fi
  done
  return 1
}

echo "install-deps: installing ${missing[*]}"
apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}"
