#!/usr/bin/env bash
# tools/check-packages against doctored copies of tools/setup: it names the
# package when one that the configure step needs is dropped from the list,
# although that package stays installed on this machine, and accepts one
# that comes in as a dependency of another listed package.
set -euo pipefail
build_dir=$1
tools="$(cd "$(dirname "$0")/../../tools" && pwd)"
doctored=$(mktemp)
trap 'rm -f "$doctored"' EXIT

# dropped package (none: the list as it is) | what the failure names (none: passes)
while IFS='|' read -r dropped named; do
    sed "s/ $dropped\( \|)\|\$\)/\1/" "$tools/setup" > "$doctored"
    if output=$("$tools/check-packages" "$build_dir" "$doctored" 2>&1); then
        [ -z "$named" ] || { echo "without '$dropped': passed"; exit 1; }
    elif [ -z "$named" ]; then
        echo "without '$dropped': refused: $output"; exit 1
    elif ! grep -qF "$named" <<< "$output"; then
        echo "without '$dropped': the failure does not name $named: $output"; exit 1
    fi
done <<'ROWS'
|
libqt6opengl6-dev|Qt6OpenGLConfig.cmake from libqt6opengl6-dev
libgmp-dev|gmpxx.pc from libgmp-dev
qt6-base-dev|
ROWS
