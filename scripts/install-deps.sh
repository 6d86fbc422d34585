#!/usr/bin/env bash
# Installs what Tenvora needs to build, test and run on Debian 12. Asks the
# package manager only when something is missing, so a second run needs no
# sudo and no network.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  libsqlcipher-dev sqlcipher
  fonts-noto-cjk
  xvfb xauth
)
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=()
if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo); fi
# sudo resets the environment: hand the setting to apt-get itself.
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update
"${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
