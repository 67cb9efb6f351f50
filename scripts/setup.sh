#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Kerbo need, when missing.
# `setup.sh clang` adds the compiler and runtimes of the sanitizer and fuzz builds.
set -euo pipefail

packages=(cmake make g++ qt6-base-dev qt6-base-dev-tools libgl-dev
          libxcb1-dev poppler-utils xvfb xauth openbox fonts-dejavu-core qt6-translations-l10n
          dpkg-dev file desktop-file-utils appstream lintian)
if [ "${1:-}" = clang ]; then
  packages+=(clang-14 libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
