// "why PROJECT.EXP --observation N DATUM [--critical V] [--json]": runs the
// observation with the recorder on and explains the datum known at the end
// that equals DATUM: observed, or deduced by a rule whose premises were
// satisfied by data explained in turn, down to the observed data.
#include "cli/explication_cli.h"
#include "core/encodage.h"
#include "inference/textes_explication.h"

namespace veridane {

int Explique(const std::vector<std::string>& arguments, TContexteCli& contexte) {
    TOptionsExplication options;
    TRunExplique run;
    if (int statut = PrepareExplication(arguments, false, contexte, options, run); statut != SortieSucces)
        return statut;
    const TExplication explication(run.Moteur, run.Etat.Base.Regles, run.Enregistreur);
    const auto origine = explication.Trouve(run.Fait);
    if (!origine) {
        contexte.Erreurs << Utf8DepuisWindows1252(
                                MessageNonEtabli(run.Fait, options.Observation, run.Etat.Base.SeparateurDecimal))
                         << '\n';
        return SortieAvertissement;
    }
    EcritPourquoi(run, explication, *origine, options.Json, contexte);
    return SortieSucces;
}

}  // namespace veridane
