// "whynot PROJECT.EXP --observation N DATUM [--critical V] [--depth D]
// [--json]": runs the observation with the recorder on and explains why
// DATUM was not established: what became of each rule that could have
// concluded it, and for an open rule why its premises were never satisfied,
// down to D nested explanations. Exit 1, with the "why" of it, when DATUM
// was established after all.
#include "cli/explication_cli.h"
#include "cli/rapport_explication.h"
#include "core/encodage.h"
#include "inference/textes_explication.h"

namespace veridane {

int ExpliquePourquoiPas(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    TOptionsExplication options;
    TRunExplique run;
    if (int statut = PrepareExplication(arguments, true, contexte, options, run); statut != SortieSucces)
        return statut;
    const TExplication explication(run.Moteur, run.Etat.Base.Regles, run.Enregistreur);
    if (const auto origine = explication.Trouve(run.Fait)) {
        EcritPourquoi(run, explication, *origine, options.Json, contexte);
        return SortieAvertissement;
    }
    const auto pourquoiPas = explication.PourquoiPas(run.Fait, options.Profondeur, run.Etat.Base.Dictionnaire);
    const char separateur = run.Etat.Base.SeparateurDecimal;
    const double critique = run.Etat.ValeurCritique;
    if (options.Json) {
        contexte.Sortie << JsonPourquoiPas(pourquoiPas, critique, separateur) << '\n';
        return SortieSucces;
    }
    for (const auto& ligne : LignesPourquoiPas(pourquoiPas, options.Observation, critique, separateur))
        contexte.Sortie << Utf8DepuisWindows1252(ligne) << '\n';
    return SortieSucces;
}

}  // namespace veridane
