#!/usr/bin/env bash
# Installs what Tenvora needs to build, test and run on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends \
  cmake ninja-build g++ pkg-config \
  qt6-base-dev qt6-qpa-plugins libgl-dev \
  libsqlcipher-dev sqlcipher \
  fonts-noto-cjk \
  xvfb xauth
