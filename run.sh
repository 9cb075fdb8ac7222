#!/usr/bin/env bash
# Installs what is missing, builds, and starts Spinora on a sample collection.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"

install_packages "${SPINORA_PACKAGES[@]}"
configure_and_build

CLI="$SPINORA_BUILD/tools/cli/spinora-cli"
SAMPLE_DIR="${XDG_DATA_HOME:-$HOME/.local/share}/Spinora"
SAMPLE="$SAMPLE_DIR/Sample Collection.sdb"
mkdir -p "$SAMPLE_DIR"
if [ ! -e "$SAMPLE" ]; then
  "$CLI" sample "$SAMPLE"
fi

APP="$SPINORA_BUILD/src/app/spinora"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found. Run the window under Xvfb (installed by this script):"
  echo "  xvfb-run -a $APP \"$SAMPLE\""
  echo "or without any display at all:"
  echo "  QT_QPA_PLATFORM=offscreen $APP \"$SAMPLE\""
  exit 0
fi
exec "$APP" "$SAMPLE" "$@"
