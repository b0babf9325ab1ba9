#include "explication_cas.h"

#include "inference/explication.h"
#include "inference/textes_explication.h"
#include "verification/execution_cas.h"

namespace veridane {

namespace {

// One level of nested explanation is enough for a first reason.
constexpr int ProfondeurRaison = 1;

}  // namespace

TExplicationCas::TExplicationCas(const TCas& cas, const TEtatVeridane& etat)
    : Etat(etat), Cas(cas), Regles(etat.Base.Regles) {
    Moteur.Enregistre(&Enregistreur);
    Executee = ExecuteCas(Cas, Etat, Regles, Moteur).ObservationPresente;
}

std::optional<std::string> TExplicationCas::PremiereRaison(const TProposition& proposition) const {
    if (!Executee) return std::nullopt;
    const TExplication explication(Moteur, Regles, Enregistreur);
    const auto lignes =
        LignesPourquoiPas(explication.PourquoiPas(proposition, ProfondeurRaison, Etat.Base.Dictionnaire),
                          Cas.Observation, Cas.Critique.value_or(Etat.ValeurCritique), Etat.Base.SeparateurDecimal);
    if (lignes.size() < 2) return std::nullopt;
    const std::size_t debut = lignes[1].find_first_not_of(' ');
    if (debut == std::string::npos) return std::nullopt;
    return lignes[1].substr(debut);
}

}  // namespace veridane
