#include "textes_inference.h"

#include "core/format_nombre.h"
#include "core/proposition.h"

namespace veridane {
namespace {

std::string Nombre(int n) { return std::to_string(n); }

// The levels shown: all but a final empty one.
std::size_t NiveauxMontres(const std::vector<TRaisonnement>& raisonnement) {
    if (!raisonnement.empty() && raisonnement.back().ReglesDeclenchees.empty()) return raisonnement.size() - 1;
    return raisonnement.size();
}

std::string LigneRecord(const TNumeroDeRegle& record, const std::vector<TRegle>& regles, char separateur) {
    const auto& conclusion = regles.at(static_cast<std::size_t>(record.Numero - 1)).Conclusion;
    return "  Rule " + Nombre(record.Numero) + " -> " + PropEnChaine(conclusion, separateur);
}

std::string Liste(const std::vector<TModalite>& mots, const char* entre) {
    std::string texte;
    for (std::size_t i = 0; i < mots.size(); ++i) {
        if (i > 0) texte += entre;
        texte += mots[i].Nom;
    }
    return texte;
}

std::string LignePremisse(const TProposition& p, bool premiere, char separateur) {
    std::string ligne = (premiere ? "If " : "And ") + p.Attribut + " " + TransformeOperateur(p.Operateur) + " ";
    if (p.TypeValeur == TypeEnsemble) return ligne + "{ " + Liste(p.Liste, ",  ") + " }";
    return ligne + ValeurEnChaine(p, ChiffresAffichage, separateur);
}

std::string LigneConclusion(const TProposition& p, char separateur) {
    std::string ligne = "Then " + p.Attribut + " " + TransformeOperateur(p.Operateur);
    if (p.TypeValeur == TypeEnsemble) return ligne + " { " + Liste(p.Liste, ", ") + " }";
    return ligne + " " + ValeurEnChaine(p, ChiffresAffichage, separateur);
}

}  // namespace

std::string TexteReglesBase(int n) { return "Rules Base: " + Nombre(n) + (n < 2 ? " rule" : " rules"); }
std::string TexteReglesDeclenchees(int n) { return "Triggered rules: " + Nombre(n) + (n >= 2 ? " rules" : " rule"); }
std::string TexteBaseFaits(int total) { return "Data Base: " + Nombre(total) + " data"; }
std::string TexteFaitsInitiaux(int n) { return "Initial data: " + Nombre(n) + " data"; }
std::string TexteFaitsDeduits(int n) { return "Deduced data: " + Nombre(n) + " data"; }

std::string TexteRegleDeclencheeEnCours(int n) { return "Triggered rule: " + Nombre(n); }
std::string TexteFaitsDeduitsEnCours(int n) { return "Deduced data: " + Nombre(n); }
std::string TexteBaseFaitsEnCours(int total) { return "Data Base: " + Nombre(total); }

std::string TexteNiveauEnCours(int niveau) { return " Level " + Nombre(niveau); }
std::string LigneRegleDeclenchee(int numero) { return "Rule " + Nombre(numero); }

std::string MessageObservationVide(int numero) {
    return "Observation n\xB0" + Nombre(numero) + " is empty. Select an other observation for inference";
}

std::vector<std::string> LignesNiveauZero(const std::vector<TProposition>& observation, bool baseFaitsOuverte,
                                          char separateur) {
    std::vector<std::string> lignes{"Level 0"};
    if (!baseFaitsOuverte) return lignes;
    for (const auto& fait : observation) lignes.push_back(" " + PropEnChaine(fait, separateur));
    return lignes;
}

std::vector<std::string> LignesNiveaux(const std::vector<TRaisonnement>& raisonnement,
                                       const std::vector<TRegle>& regles, char separateur) {
    std::vector<std::string> lignes;
    for (std::size_t l = 0; l < NiveauxMontres(raisonnement); ++l) {
        lignes.push_back("Level " + std::to_string(l + 1));
        for (const auto& record : raisonnement[l].ReglesDeclenchees)
            lignes.push_back(LigneRecord(record, regles, separateur));
    }
    return lignes;
}

std::vector<TLigneImprimee> LignesImpression(const std::string& nomProjet, int numObservationInference,
                                             const std::vector<TRaisonnement>& raisonnement,
                                             const std::vector<TRegle>& regles, char separateur) {
    std::vector<TLigneImprimee> lignes{{1, 1, "Tree of reasoning - " + nomProjet},
                                       {50, 100, "Observation " + Nombre(numObservationInference + 1)}};
    int y = 200;
    for (std::size_t l = 0; l < NiveauxMontres(raisonnement); ++l) {
        lignes.push_back({1, y, "Level " + std::to_string(l + 1)});
        y += 100;
        for (const auto& record : raisonnement[l].ReglesDeclenchees) {
            lignes.push_back({1, y, LigneRecord(record, regles, separateur)});
            y += 100;
        }
        y += 100;
    }
    return lignes;
}

std::string AfficheRegle(const TRegle& regle, int numero, char separateur) {
    std::string texte = "Rule " + Nombre(numero) + " [Confidence degree = " +
                        FormatGeneral(regle.Priorite * 100, ChiffresAffichage, separateur) + "%]:";
    for (std::size_t j = 0; j < regle.Premisses.size(); ++j)
        texte += "\r\n" + LignePremisse(regle.Premisses[j], j == 0, separateur);
    return texte + "\r\n" + LigneConclusion(regle.Conclusion, separateur);
}

}  // namespace veridane
