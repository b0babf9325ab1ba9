// Running the cases of a cases file: each case is a forward-chaining run on
// its observation, after which every clause is checked against the data
// known at the end (initial and deduced), as a premise would be matched.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "inference/moteur.h"
#include "project/etat.h"
#include "verification/fichier_cas.h"

namespace veridane {

class IProgression;

// Where a proposition is established from: the first known datum that
// satisfies it, an initial datum before the deduced ones.
struct TProvenance {
    int DonneeObservee = 0;  // 1-based datum of the observation; 0 when deduced
    int Regle = 0;           // the rule that deduced it (1-based)
    int Niveau = 0;          // and the level at which it fired (1-based)
};

struct TResultatClause {
    bool Reussie = false;
    std::optional<TProvenance> Origine;  // set when the proposition is established
};

struct TResultatCas {
    bool ObservationPresente = false;  // the data base holds the observation
    std::vector<TResultatClause> Clauses;
    std::vector<TProposition> FaitsDeduits;  // in the order deduced
    std::vector<int> ReglesDeclenchees;      // rule numbers recorded by the run
    bool Reussi() const;
};

// Which rules fired in at least one of the cases run.
struct TCouverture {
    std::vector<bool> Declenchees;  // one per rule, in rules-base order
    int NbDeclenchees() const;
    std::vector<int> JamaisDeclenchees() const;  // 1-based rule numbers
    void Ajoute(const TResultatCas& resultat);
};

// The first known datum that satisfies `proposition` (Correspondance gives
// "satisfied") after the run held by `moteur`.
std::optional<TProvenance> EtablieDans(const TMoteur& moteur, const TProposition& proposition);

// Runs one case on the project's observations with `regles` (a working copy
// of the rules base, whose run state the engine changes) and leaves the run
// in `moteur` for explanations. The critical value of the case applies, the
// project's otherwise.
TResultatCas ExecuteCas(const TCas& cas, const TEtatVeridane& etat, std::vector<TRegle>& regles, TMoteur& moteur);

// Every case of the file, in file order, with the gauge one step per case.
struct TBilanCas {
    std::vector<TResultatCas> Resultats;  // one per case line, in file order
    TCouverture Couverture;
    int NbReussis() const;
    int NbEchoues() const;
};
TBilanCas ExecuteTousLesCas(const TFichierCas& fichier, const TEtatVeridane& etat, IProgression& progression);

// The case as the current results make it: an "expect" for each datum
// deduced (equal ones once), then the "reject" clauses that still hold; the
// observation and the critical value stay.
TCas CasDesResultats(const TCas& cas, const TResultatCas& resultat);

// The cases file rewritten from the current results: every case line takes
// the current results of its own run, every observation of the data base
// without a line gets one at the end, lines of observations that are no
// longer in the data base go, and comments stay where they are.
TFichierCas EnregistreResultats(const TFichierCas& fichier, const TEtatVeridane& etat);

}  // namespace veridane
