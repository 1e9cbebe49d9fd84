#!/usr/bin/env bash
# Installs the build into a throwaway prefix and checks what the desktop reads.
set -euo pipefail
build_dir=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" > /dev/null
app_id=example.orrinwick.Orrinwick
for file in bin/orrinwick \
            share/applications/$app_id.desktop \
            share/metainfo/$app_id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$app_id.svg \
            share/mime/packages/orrinwick-budget.xml; do
    [ -e "$prefix/$file" ] || { echo "missing from the install tree: $file"; exit 1; }
done
# The resources folder where the program looks for the tunnel helper.
[ -d "$prefix/share/orrinwick" ] || { echo "missing from the install tree: share/orrinwick"; exit 1; }
helper=$(sed -n 's/^ORRINWICK_TUNNEL_HELPER:PATH=//p' "$build_dir/CMakeCache.txt")
if [ -n "$helper" ]; then
    [ -x "$prefix/share/orrinwick/Pellmarsh.app/Pellmarsh" ] \
        || { echo "the tunnel helper was not installed runnable from $helper"; exit 1; }
fi
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml"

# The MIME database built from our package must recognise a budget file by its first line.
mkdir -p "$prefix/share/mime/packages"
update-mime-database "$prefix/share/mime"
grep -q "application/x-orrinwick-budget" "$prefix/share/mime/magic"
"$prefix/bin/orrinwick" --version | grep -q '^orrinwick '
echo "install tree complete"
