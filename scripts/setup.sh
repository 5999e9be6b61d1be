#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
# Works as root directly and through sudo otherwise; safe to run again and again.
set -euo pipefail

packages=(
  g++ cmake ninja-build make pkg-config git python3
  qt6-base-dev qt6-charts-dev qt6-l10n-tools qt6-tools-dev qt6-tools-dev-tools libqt6opengl6-dev libgl1-mesa-dev
  qt6-translations-l10n  # Qt's own buttons and dialogs in the interface language
  libcurl4-openssl-dev libssl-dev zlib1g-dev libfmt-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libxlsxwriter-dev ccache tinyproxy
  clang-format  # make format-check
  xvfb xauth
  openbox xdotool x11-utils  # make test-desktop: a window manager, input through X, xwininfo and xprop
  parallel rsync  # scripts/backtest-parallel: GNU parallel, and rsync for its transfers to other hosts
  dpkg-dev file  # make package: dpkg-shlibdeps works out the package's Depends, file finds the programs
)
# "setup.sh fuzz" adds what the fuzz targets need: clang with its sanitizer and libFuzzer runtime.
# "setup.sh cluster" adds the engines of make test-cluster: Slurm with munge, and an ssh server.
case "${1:-}" in
  fuzz) packages+=(clang libclang-rt-14-dev) ;;
  cluster) packages+=(slurm-wlm munge openssh-server openssh-client) ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  run=()
elif command -v sudo >/dev/null 2>&1; then
  run=(sudo)
else
  echo "setup: these packages are missing and neither root nor sudo is available: ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if ! "${run[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
  echo "setup: apt-get install failed; refreshing the package lists and trying once more" >&2
  if ! "${run[@]}" apt-get update -q || ! "${run[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    echo "setup: could not install: ${missing[*]}" >&2
    echo "setup: check the network or the package sources, then run scripts/setup.sh again" >&2
    exit 1
  fi
fi
echo "setup: done"
