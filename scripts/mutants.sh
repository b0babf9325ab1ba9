#!/usr/bin/env bash
# Measures the power of the test suite: applies each small fault of
# tests/mutants.txt, one at a time, to a copy of the tree, rebuilds the test
# programs that fault concerns, runs them, and counts the faults they notice
# (killed) and the ones they let through (survived).
#
# A line of tests/mutants.txt is:  file @@ line pattern @@ replacement @@ programs
# The first line of the file that contains the pattern has it replaced; the
# programs are test targets (veridane_core_tests, ui_Add_rul_test...).
# Lines starting with "#" and blank lines are skipped.
#
#   scripts/mutants.sh [FILTER]   only the faults whose line contains FILTER
# Environment: MUTANTS_DIR (the copy, default build-mutants), JOBS (2),
# MUTANTS_TIMEOUT (seconds per program, 120: a fault that makes a test wait
# for a window that never comes counts as killed when the time is up).
set -u
racine=$(cd "$(dirname "$0")/.." && pwd)
liste="$racine/tests/mutants.txt"
copie="${MUTANTS_DIR:-$racine/build-mutants}/arbre"
build="$copie/build"
jobs="${JOBS:-2}"
delai="${MUTANTS_TIMEOUT:-120}"
filtre="${1:-}"

# The copy stays under the project's directory so that ccache, whose base
# directory is above it, reuses what the ordinary build compiled.
mkdir -p "$copie"
find "$copie" -mindepth 1 -maxdepth 1 ! -name build -exec rm -rf {} +
tar -C "$racine" --exclude='./build*' --exclude=./.git --exclude=./out -cf - . | tar -C "$copie" -xf -
# The ordinary build type, so that the first build of the copy takes the
# objects ccache keeps from the ordinary build.
cmake -S "$copie" -B "$build" -G Ninja >/dev/null || exit 2
journal="${MUTANTS_DIR:-$racine/build-mutants}/mutants.log"
: > "$journal"

# The test programs named by the list, built once unchanged: each must pass
# before a fault can count as killed.
programmes=$(grep -v '^\s*#' "$liste" | grep '@@' | awk -F' @@ ' '{print $4}' | tr ' ' '\n' | sort -u)
echo "== building the unchanged test programs"
cmake --build "$build" -j"$jobs" --target $programmes >>"$journal" 2>&1 || { echo "the unchanged tree does not build"; exit 2; }

lance() {  # runs one test program; non-zero when it fails or hangs
    local binaire
    binaire=$(find "$build/tests" -type f -name "$1" -perm -u+x | head -n 1)
    [ -n "$binaire" ] || { echo "no program $1" >>"$journal"; return 2; }
    ( cd "$(dirname "$binaire")" && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$build/xdg-runtime" \
        VERIDANE_DIFF_CASES=1000 \
        timeout "$delai" "$binaire" >>"$journal" 2>&1 )
}

for p in $programmes; do
    lance "$p" || { echo "the unchanged $p fails: see $journal"; exit 2; }
done

applique() {  # file pattern replacement: replaces in the first line holding the pattern
    python3 - "$@" <<'PY'
import sys
chemin, motif, remplacement = sys.argv[1:4]
lignes = open(chemin, encoding='latin-1').read().split('\n')
for i, l in enumerate(lignes):
    if motif in l:
        lignes[i] = l.replace(motif, remplacement, 1)
        open(chemin, 'w', encoding='latin-1').write('\n'.join(lignes))
        sys.exit(0)
sys.exit(1)
PY
}

tues=0; survivants=0; total=0; debut=$(date +%s)
declare -a restes=()
while IFS= read -r ligne; do
    [[ "$ligne" =~ ^[[:space:]]*# || "$ligne" != *" @@ "* ]] && continue
    [ -n "$filtre" ] && [[ "$ligne" != *"$filtre"* ]] && continue
    fichier=${ligne%% @@ *}; reste=${ligne#* @@ }
    motif=${reste%% @@ *}; reste=${reste#* @@ }
    remplacement=${reste%% @@ *}; cibles=${reste#* @@ }
    total=$((total + 1))
    cp "$copie/$fichier" "$copie/$fichier.original"
    if ! applique "$copie/$fichier" "$motif" "$remplacement"; then
        echo "!! pattern not found: $ligne"; mv "$copie/$fichier.original" "$copie/$fichier"; exit 2
    fi
    echo "---- $ligne" >>"$journal"
    verdict="survived"
    if ! cmake --build "$build" -j"$jobs" --target $cibles >>"$journal" 2>&1; then
        verdict="does not compile"
    else
        for p in $cibles; do
            if ! lance "$p"; then verdict="killed by $p"; break; fi
        done
    fi
    mv "$copie/$fichier.original" "$copie/$fichier"
    touch "$copie/$fichier"
    case "$verdict" in
        killed*) tues=$((tues + 1)) ;;
        survived) survivants=$((survivants + 1)); restes+=("$ligne") ;;
        *) restes+=("($verdict) $ligne") ;;
    esac
    printf '%3d %-30s %s | %s\n' "$total" "$verdict" "$fichier" "$motif"
done < "$liste"

# The tree back as it was, so the next run starts from built programs.
cmake --build "$build" -j"$jobs" --target $programmes >>"$journal" 2>&1
duree=$(( $(date +%s) - debut ))
echo "== $tues of $total faults killed ($(( total ? 100 * tues / total : 0 ))%), $survivants survived, in $((duree / 60)) min $((duree % 60)) s"
for r in "${restes[@]}"; do echo "survived: $r"; done
[ "$tues" -eq "$total" ]
