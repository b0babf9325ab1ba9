// The exact effect of the critical value. A rule takes part in a run when its
// priority is not below the critical value, so the results can only change
// at the distinct priorities p1 < ... < pk of the base: every critical value
// of [0, p1] gives the run at p1, every value of (p1, p2] the run at p2, and
// so on; above pk no rule takes part. One run per interval therefore tells
// what every critical value does. Results are not monotone (a rule set aside
// may be the one that abandoned another), so each interval is compared with
// the previous one in both directions: data gained and data lost.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/knowledge_base.h"
#include "moteur.h"

namespace veridane {

// One interval of critical values, (Basse, Haute] or [Basse, Haute] for the
// first one. Every critical value in it gives the run at Haute.
struct TIntervalleCritique {
    double Basse = 0.0;
    double Haute = 0.0;
    bool BasseIncluse = false;
    int NbRegles = 0;  // rules taking part: priority not below Haute
    bool operator==(const TIntervalleCritique&) const = default;
};

// [0, p1], (p1, p2], ..., (pk-1, pk], then (pk, 1] when pk is below 1 (no
// rule takes part there). A base without rules gives [0, 1] alone.
std::vector<TIntervalleCritique> IntervallesCritiques(const std::vector<TRegle>& regles);

// The data one run gained and lost against another, compared as the engine
// compares known data (Equivalence), counting repeats: gains in the order of
// the second run, losses in the order of the first.
struct TDifferenceFaits {
    std::vector<TProposition> Gagnes;
    std::vector<TProposition> Perdus;
    bool Vide() const { return Gagnes.empty() && Perdus.empty(); }
};
TDifferenceFaits DifferenceFaits(const std::vector<TProposition>& avant, const std::vector<TProposition>& apres);

// The deduced data of one complete run on `observation` at `critique`. The
// run state of the rules is left as the run left it.
std::vector<TProposition> FaitsDeduitsPour(std::vector<TRegle>& regles, const std::vector<TProposition>& observation,
                                           double critique);

// A datum on the goal attribute; every datum is when no goal is given.
bool SurBut(const TProposition& fait, const std::string& but);

// The run of one interval: its size, its deduced data on the goal attribute,
// and what it gained and lost against the previous interval (nothing for the
// first).
struct TPasBalayage {
    TIntervalleCritique Intervalle;
    int NbDeduits = 0;
    int NbSurBut = 0;
    TDifferenceFaits Difference;
};

struct TBalayageObservation {
    int Numero = 0;  // 0-based index of the observation
    std::vector<TPasBalayage> Pas;
};

// Runs every interval on one observation. `continuer` is asked before each
// run; the sweep stops short (fewer steps) when it says no.
TBalayageObservation BalayeObservation(std::vector<TRegle>& regles, const std::vector<TIntervalleCritique>& intervalles,
                                       const std::vector<TProposition>& observation, int numero,
                                       const std::string& but, const std::function<bool()>& continuer = {});

// A series of runs on the same rules, which must not change meanwhile: the
// engine builds its index of the premises once for all of them.
class TBalayeur {
public:
    explicit TBalayeur(std::vector<TRegle>& regles) : Regles(regles) {}
    std::vector<TProposition> FaitsDeduits(const std::vector<TProposition>& observation, double critique);
    TBalayageObservation Balaye(const std::vector<TIntervalleCritique>& intervalles,
                                const std::vector<TProposition>& observation, int numero, const std::string& but,
                                const std::function<bool()>& continuer = {});

private:
    std::vector<TRegle>& Regles;
    TMoteur Moteur;
};

// Per interval, how many of the swept observations deduce at least one datum
// on the goal attribute (any datum when no goal is given).
std::vector<int> ObservationsAtteignantBut(const std::vector<TBalayageObservation>& balayages,
                                          std::size_t nbIntervalles);

// "[0, 0.5]" or "(0.5, 0.8]", numbers with 7 significant digits; with a
// decimal comma "(0,5; 0,8]".
std::string TexteIntervalle(const TIntervalleCritique& intervalle, char separateur);

// "critical in (0.5, 0.8]: 12 rules take part, 4 data deduced"
std::string LigneIntervalle(const TPasBalayage& pas, char separateur);

}  // namespace veridane
