#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing,
# as root or through sudo.
set -euo pipefail

packages=(cmake ninja-build g++ libgtest-dev pkg-config qt6-base-dev qt6-l10n-tools qt6-translations-l10n libpulse-dev
  fonts-dejavu-core python3 "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; exit 1; }
  as_root=(sudo)
fi
echo "installing: ${missing[*]}"
"${as_root[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
