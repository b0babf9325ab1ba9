#!/bin/bash
# Smoke run of the real desktop program under Xvfb, driven with the keyboard
# as a person drives it: the demo project opened from the command line, its
# abstract closed, Inference > Parameters 0.5, Inference > Forward chaining
# on observation 3, the tree of reasoning, Print (no printer: a PDF file),
# then quitting. Screenshots of the forward chaining and tree windows go to
# build/smoke/. Fails if the program dies, if it warns about a missing
# resource or plugin, or if the PDF does not hold the tree.
set -euo pipefail
cd "$(dirname "$0")/.."
racine=$PWD
sortie=$racine/build/smoke
binaire=${VERIDANE:-$racine/build/src/app/veridane}

if [ "${1:-}" != "--dans-xvfb" ]; then
    [ -x "$binaire" ] || cmake --build build -j2 --target veridane
    rm -rf "$sortie"
    mkdir -p "$sortie"
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --dans-xvfb
fi

travail=$(mktemp -d)
export XDG_RUNTIME_DIR=$travail/xdg
# A settings directory of its own: no recent projects or window geometry
# of an earlier run.
export XDG_CONFIG_HOME=$travail/config
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
cp examples/car.exp examples/car.rul examples/car.dic examples/car.dta "$travail/"
journal=$sortie/veridane.log

echoue() {
    echo "smoke-gui: $*" >&2
    echo "--- program output ---" >&2
    cat "$journal" >&2 || true
    import -window root "$sortie/failure.png" 2>/dev/null || true
    kill "$programme" 2>/dev/null || true
    exit 1
}

vivant() { kill -0 "$programme" 2>/dev/null || echoue "the program died ($1)"; }

# Waits for a visible window whose title matches, gives it the keyboard
# focus and prints its id.
fenetre() {
    local id
    id=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | tail -1) || echoue "no window \"$1\""
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    sleep 0.3
    echo "$id"
}

touches() {
    vivant "before $*"
    xdotool key --delay 120 "$@"
    sleep 0.5
}

tape() {
    vivant "before typing $1"
    xdotool type --delay 60 "$1"
    sleep 0.3
}

"$binaire" "$travail/car.exp" >"$journal" 2>&1 &
programme=$!

fenetre "^Abstract of the project$" >/dev/null
touches Return
fenetre "^Veridane - car.EXP$" >/dev/null

touches alt+i p
fenetre "^ $" >/dev/null
tape "0.5"
touches Return
fenetre "^Veridane$" >/dev/null
touches Return

fenetre "^Veridane - car.EXP$" >/dev/null
touches alt+i f
fenetre "^Select an observation for the inference$" >/dev/null
touches ctrl+Right ctrl+Right ctrl+Return
fenetre "^Veridane$" >/dev/null
touches Return
chainage=$(fenetre "^Forward Chaining$")
sleep 2
vivant "during the run"
import -window "$chainage" "$sortie/forward-chaining.png"

touches ctrl+t
arbre=$(fenetre "^Tree of reasoning$")
sleep 1
import -window "$arbre" "$sortie/reasoning-tree.png"
# "Do you want to print the reasoning?" Yes; no printer is set up here, so
# Yes to saving it as a PDF file.
touches ctrl+p
fenetre "^Veridane$" >/dev/null
touches Return
fenetre "^Veridane$" >/dev/null
touches Return
fenetre "^Save As$" >/dev/null
tape "$travail/tree"
touches Return
fenetre "^Veridane$" >/dev/null
touches Return

fenetre "^Tree of reasoning$" >/dev/null
touches Escape
fenetre "^Forward Chaining$" >/dev/null
touches Escape
fenetre "^Veridane - car.EXP$" >/dev/null
touches ctrl+q
fenetre "^Veridane$" >/dev/null
touches Return

for _ in $(seq 50); do kill -0 "$programme" 2>/dev/null || break; sleep 0.2; done
if kill -0 "$programme" 2>/dev/null; then echoue "the program did not quit"; fi
wait "$programme" || echoue "the program ended with status $?"

if grep -Ei "plugin|resource|cannot (open|load|find)|could not (open|load|find)|not found|null pixmap|:/" "$journal"; then
    echoue "warnings about missing resources or plugins"
fi
[ -f "$travail/tree.pdf" ] || echoue "no PDF written (files: $(ls "$travail"))"
texte=$(pdftotext -layout "$travail/tree.pdf" -)
for ligne in "Tree of reasoning - car.EXP" "Observation 3" "Rule 4 -> BATTERY_CHARGE = GOOD" \
             "Rule 16 -> KEY_STATUS = REJECTED" "Rule 21 -> ACTION = USE_SPARE_KEY"; do
    grep -qF -- "$ligne" <<<"$texte" || echoue "the PDF lacks \"$ligne\""
done
cp "$travail/tree.pdf" "$sortie/tree.pdf"
rm -rf "$travail"
echo "smoke-gui: passed; screenshots in $sortie"
