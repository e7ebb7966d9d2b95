#!/usr/bin/env bash
# Installs what is missing, builds, and starts Vrek (optionally on a series).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/deps.sh"
"$here/scripts/build.sh" --target vrek bridge
exec "$here/build/vrek" "$@"
