#!/bin/bash
# Installs the build into a fresh prefix and checks what a desktop finds there.
#   installation.sh BUILD_DIR TYPE_MIME_PROGRAM EXAMPLES_DIR
set -euo pipefail
build=$1 type_mime=$2 exemples=$3
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null

id=org.veridane.Veridane
attendus=(bin/veridane bin/veridane-cli
          share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/mime/packages/veridane.xml share/icons/hicolor/scalable/apps/$id.svg
          share/man/man1/veridane.1 share/man/man1/veridane-cli.1
          share/veridane/examples/car.exp share/veridane/examples/car.rul
          share/veridane/examples/car.dic share/veridane/examples/car.dta
          share/veridane/examples/README.md)
for taille in 16 22 24 32 48 64 128 256; do
    attendus+=(share/icons/hicolor/${taille}x${taille}/apps/$id.png)
done
faute=0
for f in "${attendus[@]}"; do
    [ -s "$prefix/$f" ] || { echo "missing: $f"; faute=1; }
done
for taille in 16 48 256; do
    image="$prefix/share/icons/hicolor/${taille}x${taille}/apps/$id.png"
    [ "$(identify -format '%m %wx%h' "$image" 2>/dev/null)" = "PNG ${taille}x${taille}" ] || { echo "bad icon: $image"; faute=1; }
done

desktop-file-validate "$prefix/share/applications/$id.desktop" | grep -v ': hint: ' && faute=1
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" || faute=1

# The manual pages come from the programs' own help.
grep -qF '\-\-version' "$prefix/share/man/man1/veridane.1" || { echo "veridane.1 lacks --version"; faute=1; }
grep -q 'check PROJECT.EXP' "$prefix/share/man/man1/veridane-cli.1" || { echo "veridane-cli.1 lacks its commands"; faute=1; }

# The project file type: by its name, and by its content without a known name.
update-mime-database "$prefix/share/mime" > /dev/null 2>&1
[ -s "$prefix/share/mime/mime.cache" ] || { echo "no mime.cache"; faute=1; }
sans_nom="$prefix/projet-sans-extension"
cp "$exemples/car.exp" "$sans_nom"
types=$(XDG_DATA_DIRS="$prefix/share" "$type_mime" "$exemples/car.exp" "$sans_nom")
if [ "$types" != $'text/x-veridane-project\ntext/x-veridane-project' ]; then
    echo "project files resolve as: $types"; faute=1
fi
exit $faute
