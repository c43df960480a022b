#!/bin/sh
# Installs the Debian packages the build, the program and the tests need,
# only those that are missing. Uses sudo when not run as root.
set -eu

PACKAGES="
cmake ninja-build g++ pkg-config
qt6-base-dev libqt6svg6 libqscintilla2-qt6-dev libjpeg-dev
libgtest-dev libbenchmark-dev
fonts-liberation breeze-icon-theme
default-jdk-headless
xvfb xauth imagemagick
poppler-utils wamerican
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "These packages are missing and neither root nor sudo is available:$missing" >&2
    exit 1
fi

echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq $missing
