#!/bin/bash
# The desktop program's command line: --help and --version print and end the
# program with status 0 without a display; an unknown option is refused.
#   ligne_commande.sh VERIDANE VERSION
set -uo pipefail
veridane=$1 version=$2
faute=0
sans_affichage() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

sortie=$(sans_affichage "$veridane" --help 2>&1); statut=$?
[ $statut -eq 0 ] || { echo "--help: status $statut"; faute=1; }
for attendu in "Usage: " "--help" "--version" "PROJECT.EXP" "expert-system shell"; do
    grep -qF -- "$attendu" <<<"$sortie" || { echo "--help lacks: $attendu"; faute=1; }
done

sortie=$(sans_affichage "$veridane" --version 2>&1); statut=$?
[ $statut -eq 0 ] && [ "$sortie" = "Veridane $version" ] || { echo "--version: status $statut, '$sortie'"; faute=1; }

sortie=$(QT_QPA_PLATFORM=offscreen "$veridane" --frobnicate 2>&1); statut=$?
[ $statut -ne 0 ] && grep -qF "frobnicate" <<<"$sortie" || { echo "unknown option: status $statut, '$sortie'"; faute=1; }
exit $faute
