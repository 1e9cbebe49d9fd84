#!/bin/sh
# The layers hold: the core library names no widgets and nothing of the
# widgets library, only the editing layer and the file readers write the
# document, and no two files include each other, directly or around a circle
# (a header and its source count as one).
set -eu
src=$1/src
status=0

if grep -rlE '#include <Qt?Widgets|#include <Q(Widget|Dialog|MainWindow|Application)>' "$src/core"; then
    echo "the core library includes widgets (files above)"
    status=1
fi
for folder in "$src"/gui/*/; do
    name=$(basename "$folder")
    [ -d "$src/core/$name" ] && continue
    if grep -rl "#include \"$name/" "$src/core"; then
        echo "the core library includes the widgets library's $name/ (files above)"
        status=1
    fi
done

# A DocumentWriter is what changes a document. Included by a header, it would
# reach every file that includes that header.
writers=$(cd "$src" && grep -rlE '#include "(document/)?DocumentWriter\.h"' . | sed 's|^\./||' |
    grep -vE '^core/editing/[^/]*\.cpp$|^core/document/(DocumentWriter|BudgetFileReader)\.cpp$|^core/splits/SplitFile\.cpp$' || true)
if [ -n "$writers" ]; then
    printf '%s\n' "$writers"
    echo "these files write the document outside the editing layer and the file readers"
    status=1
fi

# One "file included" pair per line; tsort reports any circle.
edges=$(for root in "$src/core" "$src/gui"; do
    (cd "$root" && find . -name '*.h' -o -name '*.cpp') | while read -r file; do
        file=${file#./}
        from=${file%.*}
        sed -n 's/^#include "\(.*\)\.h"$/\1/p' "$root/$file" | while read -r to; do
            case $to in */*) ;; *) to=$(dirname "$file")/$to ;; esac
            [ "$to" = "$from" ] || echo "$from $to"
        done
    done
done)
if ! printf '%s\n' "$edges" | tsort >/dev/null 2>/tmp/tsort.$$; then
    sed -n 's/^tsort: //p' /tmp/tsort.$$
    echo "files include each other around the circle above"
    status=1
fi
rm -f /tmp/tsort.$$
exit $status
