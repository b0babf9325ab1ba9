#include "textes_explication.h"

#include "core/format_nombre.h"
#include "core/proposition.h"

namespace veridane {
namespace {

std::string Nombre(int n) { return std::to_string(n); }

std::string Priorite(double priorite, char separateur) {
    return "[" + FormatGeneral(priorite, ChiffresAffichage, separateur) + "]";
}

std::string Retrait(int pas) { return std::string(static_cast<std::size_t>(2 * pas), ' '); }

void AjouteNoeud(std::vector<std::string>& lignes, const TNoeudPourquoi& noeud, int pas, char separateur) {
    lignes.push_back(Retrait(pas) + LigneFaitExplique(noeud, separateur));
    for (const auto& appui : noeud.Appuis) {
        lignes.push_back(Retrait(pas + 1) + LigneAppui(appui, separateur));
        AjouteNoeud(lignes, appui, pas + 2, separateur);
    }
}

void AjouteExplication(std::vector<std::string>& lignes, const TPourquoiPas& explication, int numeroObservation,
                       double valeurCritique, int pas, char separateur) {
    for (auto& ligne : LignesSansCandidat(explication, numeroObservation, separateur))
        lignes.push_back(Retrait(pas) + ligne);
    for (const auto& candidat : explication.Candidats) {
        lignes.push_back(Retrait(pas) + LigneCandidat(candidat, valeurCritique, separateur));
        for (const auto& premisse : candidat.NonSatisfaites) {
            lignes.push_back(Retrait(pas + 1) + LigneNonSatisfaite(premisse, separateur));
            if (premisse.Coupure != TCoupure::Aucune) lignes.push_back(Retrait(pas + 2) + TexteCoupure(premisse.Coupure));
            for (const auto& suite : premisse.Suite)
                AjouteExplication(lignes, suite, numeroObservation, valeurCritique, pas + 2, separateur);
        }
    }
}

}  // namespace

std::string TexteOrigine(const TOrigine& origine) {
    if (origine.Observee) return "observed, datum " + Nombre(origine.Position);
    return "level " + Nombre(origine.Niveau) + ", rule " + Nombre(origine.Regle);
}

std::string LigneFaitExplique(const TNoeudPourquoi& noeud, char separateur) {
    std::string ligne = PropEnChaine(noeud.Fait, separateur) + ": " + TexteOrigine(noeud.Origine);
    if (noeud.Origine.Observee) return ligne;
    ligne += " " + Priorite(noeud.Priorite, separateur);
    if (noeud.Renvoi) ligne += " (explained above)";
    return ligne;
}

std::string LigneAppui(const TNoeudPourquoi& appui, char separateur) {
    return "premise " + Nombre(appui.NumeroPremisse) + " " + PropEnChaine(appui.Premisse, separateur) +
           ": satisfied by " + PropEnChaine(appui.Fait, separateur);
}

std::string LigneRegleLaPlusFaible(int regle, double priorite, char separateur) {
    return "Weakest rule in the chain: rule " + Nombre(regle) + " " + Priorite(priorite, separateur);
}

std::vector<std::string> LignesPourquoi(const TNoeudPourquoi& racine, char separateur) {
    std::vector<std::string> lignes;
    AjouteNoeud(lignes, racine, 0, separateur);
    if (auto faible = RegleLaPlusFaible(racine))
        lignes.push_back(LigneRegleLaPlusFaible(faible->first, faible->second, separateur));
    return lignes;
}

std::string MessageNonEtabli(const TProposition& fait, int numeroObservation, char separateur) {
    return PropEnChaine(fait, separateur) + " was not established in observation " + Nombre(numeroObservation) +
           " (try whynot)";
}

std::string LigneNonEtabli(const TProposition& fait, int numeroObservation, char separateur) {
    return PropEnChaine(fait, separateur) + " was not established in observation " + Nombre(numeroObservation) + ".";
}

std::string LigneCandidat(const TCandidat& c, double valeurCritique, char separateur) {
    std::string ligne = "rule " + Nombre(c.Regle) + " " + Priorite(c.Priorite, separateur) + " -> " +
                        PropEnChaine(c.Conclusion, separateur) + ": ";
    switch (c.Statut) {
        case TStatutRegle::Exclue:
            return ligne + "excluded: its priority " + FormatGeneral(c.Priorite, ChiffresAffichage, separateur) +
                   " is below the critical value " + FormatGeneral(valeurCritique, ChiffresAffichage, separateur);
        case TStatutRegle::Abandonnee:
            return ligne + "abandoned at level " + Nombre(c.Niveau) + ": premise " + Nombre(c.Premisse) + " " +
                   PropEnChaine(c.PremisseContredite, separateur) + " contradicted by " + PropEnChaine(c.Contraire, separateur) + " (" +
                   TexteOrigine(c.OrigineContraire) + ")";
        case TStatutRegle::Declenchee: return ligne + "fired at level " + Nombre(c.Niveau);
        case TStatutRegle::DejaConnue:
            return ligne + "fired at level " + Nombre(c.Niveau) + ", but its conclusion was already known (" +
                   TexteOrigine(c.Resultat) + ")";
        case TStatutRegle::Ouverte:
            if (c.NonSatisfaites.empty()) return ligne + "open: it has no premise, so it never fires";
            return ligne + "open: premises never satisfied";
        case TStatutRegle::Arretee: return ligne + "not reached: the run was stopped";
    }
    return ligne;
}

std::string LigneNonSatisfaite(const TPremisseNonSatisfaite& premisse, char separateur) {
    return "premise " + Nombre(premisse.Numero) + " " + PropEnChaine(premisse.Premisse, separateur) +
           ": no datum satisfied it";
}

std::string TexteCoupure(TCoupure coupure) {
    switch (coupure) {
        case TCoupure::Profondeur: return "(not explained further: depth limit reached)";
        case TCoupure::Cycle: return "(not explained again: it is being explained above)";
        case TCoupure::Aucune: break;
    }
    return {};
}

std::vector<std::string> LignesSansCandidat(const TPourquoiPas& explication, int numeroObservation,
                                            char separateur) {
    const std::string texte = PropEnChaine(explication.Fait, separateur);
    if (explication.Etabli) return {texte + " was established: " + TexteOrigine(*explication.Etabli)};
    if (!explication.Candidats.empty()) return {};
    const TMot& attribut = explication.Fait.Attribut;
    std::vector<std::string> lignes{"No rule can conclude " + texte + "."};
    lignes.push_back(explication.AuDictionnaire
                         ? attribut + " is in the dictionary: an observation could give it."
                         : attribut + " is not in the dictionary: no observation gives it.");
    if (explication.DonneesAttribut.empty())
        lignes.push_back("Observation " + Nombre(numeroObservation) + " has no datum on " + attribut + ".");
    for (const auto& [position, fait] : explication.DonneesAttribut)
        lignes.push_back("Observation " + Nombre(numeroObservation) + " gives " + PropEnChaine(fait, separateur) +
                         " (datum " + Nombre(position) + ").");
    return lignes;
}

std::vector<std::string> LignesPourquoiPas(const TPourquoiPas& explication, int numeroObservation,
                                           double valeurCritique, char separateur) {
    std::vector<std::string> lignes{LigneNonEtabli(explication.Fait, numeroObservation, separateur)};
    AjouteExplication(lignes, explication, numeroObservation, valeurCritique, 1, separateur);
    return lignes;
}

}  // namespace veridane
