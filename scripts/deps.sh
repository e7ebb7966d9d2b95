#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the program need,
# asking apt-get only for those that dpkg does not already know as installed.
set -euo pipefail
PACKAGES=(cmake g++ ninja-build pkg-config qt6-base-dev qt6-qpa-plugins libgl-dev
          libdds-dev libsodium-dev libgtest-dev libx11-dev
          fonts-liberation2 fonts-urw-base35 fonts-dejavu-core fonts-inter
          qt6-translations-l10n xvfb xauth poppler-utils strace
          lintian)  # the package's own check (tests/cli/package.sh)
missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installation des paquets manquants : ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi
