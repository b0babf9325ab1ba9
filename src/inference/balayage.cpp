#include "balayage.h"

#include <algorithm>
#include <unordered_map>

#include "core/format_nombre.h"
#include "core/proposition.h"

namespace veridane {
namespace {

// The key under which a deduced datum is counted. A NaN number is equivalent
// to nothing, not even to itself, so each one gets a key of its own.
std::string CleComptee(const TProposition& fait, std::size_t& nbSansCle) {
    std::string cle(1, '=');
    if (auto equivalence = CleEquivalence(fait)) return cle.append(*equivalence);
    cle.front() = '#';
    return cle.append(std::to_string(nbSansCle++));
}

}  // namespace

std::vector<TIntervalleCritique> IntervallesCritiques(const std::vector<TRegle>& regles) {
    std::vector<double> priorites;
    priorites.reserve(regles.size());
    for (const auto& regle : regles) priorites.push_back(regle.Priorite);
    std::sort(priorites.begin(), priorites.end());

    std::vector<TIntervalleCritique> intervalles;
    double basse = 0.0;
    for (std::size_t i = 0; i < priorites.size();) {
        const double haute = priorites[i];
        // The rules taking part at `haute` are those from its first
        // occurrence to the end of the ascending list.
        const int nbRegles = static_cast<int>(priorites.size() - i);
        while (i < priorites.size() && priorites[i] == haute) ++i;
        intervalles.push_back({basse, haute, intervalles.empty(), nbRegles});
        basse = haute;
    }
    if (intervalles.empty() || basse < 1.0) intervalles.push_back({basse, 1.0, intervalles.empty(), 0});
    return intervalles;
}

TDifferenceFaits DifferenceFaits(const std::vector<TProposition>& avant, const std::vector<TProposition>& apres) {
    std::size_t nbSansCle = 0;
    std::vector<std::string> clesAvant, clesApres;
    clesAvant.reserve(avant.size());
    clesApres.reserve(apres.size());
    std::unordered_map<std::string, long long> solde;  // > 0: more after than before
    solde.reserve(avant.size() + apres.size());
    for (const auto& fait : avant) --solde[clesAvant.emplace_back(CleComptee(fait, nbSansCle))];
    for (const auto& fait : apres) ++solde[clesApres.emplace_back(CleComptee(fait, nbSansCle))];

    // Of repeated data, the last ones are those gained or lost. The gains
    // use up the positive balances and the losses the negative ones, so
    // neither pass disturbs the other.
    TDifferenceFaits difference;
    for (std::size_t i = apres.size(); i-- > 0;) {
        auto& n = solde[clesApres[i]];
        if (n > 0) {
            difference.Gagnes.push_back(apres[i]);
            --n;
        }
    }
    std::reverse(difference.Gagnes.begin(), difference.Gagnes.end());
    for (std::size_t i = avant.size(); i-- > 0;) {
        auto& n = solde[clesAvant[i]];
        if (n < 0) {
            difference.Perdus.push_back(avant[i]);
            ++n;
        }
    }
    std::reverse(difference.Perdus.begin(), difference.Perdus.end());
    return difference;
}

std::vector<TProposition> TBalayeur::FaitsDeduits(const std::vector<TProposition>& observation, double critique) {
    Moteur.ChoisitObservation(observation, 0);
    Moteur.InitialiseCompteurs(Regles);
    Moteur.InitialiseRegles(Regles, critique);
    TNotificationsMuettes muettes;
    Moteur.Strategie(Regles, muettes);  // the compiled form of the rules is kept between runs
    return Moteur.FaitsDeduits();
}

TBalayageObservation TBalayeur::Balaye(const std::vector<TIntervalleCritique>& intervalles,
                                       const std::vector<TProposition>& observation, int numero,
                                       const std::string& but, const std::function<bool()>& continuer) {
    TBalayageObservation balayage{numero, {}};
    std::vector<TProposition> precedents;
    for (const auto& intervalle : intervalles) {
        if (continuer && !continuer()) break;
        auto deduits = FaitsDeduits(observation, intervalle.Haute);
        TPasBalayage& pas = balayage.Pas.emplace_back();
        pas.Intervalle = intervalle;
        pas.NbDeduits = static_cast<int>(deduits.size());
        pas.NbSurBut = static_cast<int>(
            std::count_if(deduits.begin(), deduits.end(), [&](const TProposition& f) { return SurBut(f, but); }));
        if (balayage.Pas.size() > 1) pas.Difference = DifferenceFaits(precedents, deduits);
        precedents = std::move(deduits);
    }
    return balayage;
}

std::vector<TProposition> FaitsDeduitsPour(std::vector<TRegle>& regles, const std::vector<TProposition>& observation,
                                           double critique) {
    return TBalayeur(regles).FaitsDeduits(observation, critique);
}

bool SurBut(const TProposition& fait, const std::string& but) { return but.empty() || fait.Attribut == but; }

TBalayageObservation BalayeObservation(std::vector<TRegle>& regles, const std::vector<TIntervalleCritique>& intervalles,
                                       const std::vector<TProposition>& observation, int numero,
                                       const std::string& but, const std::function<bool()>& continuer) {
    return TBalayeur(regles).Balaye(intervalles, observation, numero, but, continuer);
}

std::vector<int> ObservationsAtteignantBut(const std::vector<TBalayageObservation>& balayages,
                                          std::size_t nbIntervalles) {
    std::vector<int> nombres(nbIntervalles, 0);
    for (const auto& balayage : balayages)
        for (std::size_t i = 0; i < balayage.Pas.size() && i < nbIntervalles; ++i)
            if (balayage.Pas[i].NbSurBut > 0) ++nombres[i];
    return nombres;
}

std::string TexteIntervalle(const TIntervalleCritique& intervalle, char separateur) {
    // With a decimal comma the bounds are kept apart by a semicolon.
    std::string texte(1, intervalle.BasseIncluse ? '[' : '(');
    texte += FormatGeneral(intervalle.Basse, ChiffresAffichage, separateur);
    texte += separateur == ',' ? "; " : ", ";
    texte += FormatGeneral(intervalle.Haute, ChiffresAffichage, separateur);
    return texte += ']';
}

std::string LigneIntervalle(const TPasBalayage& pas, char separateur) {
    return "critical in " + TexteIntervalle(pas.Intervalle, separateur) + ": " +
           std::to_string(pas.Intervalle.NbRegles) + " rules take part, " + std::to_string(pas.NbDeduits) +
           " data deduced";
}

}  // namespace veridane
